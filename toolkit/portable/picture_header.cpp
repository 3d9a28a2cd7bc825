#include "toolkit/portable/picture_header.h"

#include <cstdint>
#include <cstdlib>

namespace toolkit {
namespace {

std::uint32_t Little(std::span<const unsigned char> b, std::size_t at, std::size_t size) {
  std::uint32_t n = 0;
  for (std::size_t i = 0; i < size; ++i) n |= static_cast<std::uint32_t>(b[at + i]) << (8 * i);
  return n;
}

// The start-of-frame markers, which give the size: C0 to CF but for C4 (tables), C8 and CC.
bool Is_Frame(unsigned char marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

}  // namespace

void For_Each_Jpeg_Segment(std::span<const unsigned char> file,
                           const std::function<bool(unsigned char, std::span<const unsigned char>)>& take) {
  if (file.size() < 4 || file[0] != 0xFF || file[1] != 0xD8) return;
  // After the start of the image: a marker, then a length that counts itself.
  for (std::size_t at = 2; at + 4 <= file.size() && file[at] == 0xFF;) {
    const unsigned char marker = file[at + 1];
    if (marker == 0xFF) {  // a fill byte before a marker
      ++at;
      continue;
    }
    if (marker == 0xDA || marker == 0xD9) return;  // the image data, or its end
    const std::size_t length = (static_cast<std::size_t>(file[at + 2]) << 8) | file[at + 3];
    if (length < 2 || length > file.size() - at - 2 || !take(marker, file.subspan(at + 4, length - 2))) return;
    at += 2 + length;
  }
}

std::optional<Stored_Size> Size_From_Header(std::span<const unsigned char> head) {
  std::optional<Stored_Size> size;
  if (head.size() >= 26 && head[0] == 'B' && head[1] == 'M')
    size = Stored_Size{std::llabs(static_cast<std::int32_t>(Little(head, 18, 4))),  // a size is never negative
                       std::llabs(static_cast<std::int32_t>(Little(head, 22, 4)))};
  else if (head.size() >= 10 && head[0] == 'G' && head[1] == 'I' && head[2] == 'F')
    size = Stored_Size{Little(head, 6, 2), Little(head, 8, 2)};
  For_Each_Jpeg_Segment(head, [&](unsigned char marker, std::span<const unsigned char> frame) {
    if (!Is_Frame(marker) || frame.size() < 5) return true;
    size = Stored_Size{(frame[3] << 8) | frame[4], (frame[1] << 8) | frame[2]};
    return false;
  });
  return size;
}

}  // namespace toolkit
