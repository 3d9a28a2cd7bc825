// Fuzzing what the program reads from a picture file's first bytes: the EXIF orientation and the stored size.
// Any bytes give an orientation of 1 to 8 and read nothing outside themselves (the address sanitizer sees to
// that), and never hang.
#include <cstddef>
#include <cstdint>

#include "toolkit/portable/orientation.h"
#include "toolkit/portable/picture_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const unsigned char> file(data, size);
  const int orientation = toolkit::Exif_Orientation(file);
  if (orientation < 1 || orientation > 8) __builtin_trap();
  if (const auto stored = toolkit::Size_From_Header(file); stored && (stored->W < 0 || stored->H < 0)) __builtin_trap();
  return 0;
}
