#pragma once
// A photo's orientation: the EXIF tag (0x0112) that a camera writes when it stores a portrait photo's pixels
// lying sideways, and the turn that stands them upright.
#include <cstddef>
#include <cstdint>
#include <span>

namespace toolkit {

// The orientation that a JPEG file's first EXIF block gives in its first image directory: 1 to 8, or 1 (as
// stored) for any other file, a block without the tag, and anything out of the ordinary. Reads nothing outside
// the bytes given.
int Exif_Orientation(std::span<const unsigned char> file);

// The upright size of a w x h picture stored in an orientation: 5 to 8 lie on their side.
bool Lies_On_Its_Side(int orientation);

// Writes the stored pixels of a W x H picture (rows from the top) upright for an orientation, as EXIF means
// them: 2 mirrored, 3 turned half round, 4 flipped, 5 to 8 the same of a picture on its side.
void Turn_Upright(const std::uint32_t* stored, int W, int H, int orientation, std::uint32_t* upright);

}  // namespace toolkit
