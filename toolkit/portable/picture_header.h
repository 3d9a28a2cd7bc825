#pragma once
// What the first bytes of a picture file say before it is decoded: its segments (JPEG), and its stored size.
#include <functional>
#include <optional>
#include <span>

namespace toolkit {

// Calls take(marker, contents) for each segment of a JPEG file before its image data, in order, while take
// returns true. Reads nothing outside the bytes given; a file that is no JPEG has no segments.
void For_Each_Jpeg_Segment(std::span<const unsigned char> file,
                           const std::function<bool(unsigned char marker, std::span<const unsigned char>)>& take);

struct Stored_Size {
  long long W = 0, H = 0;
};
// The size a bitmap, GIF or JPEG file's header gives; none for other kinds, or where the bytes end first.
std::optional<Stored_Size> Size_From_Header(std::span<const unsigned char> head);

}  // namespace toolkit
