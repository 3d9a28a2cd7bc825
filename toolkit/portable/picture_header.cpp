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

bool Starts_With(std::span<const unsigned char> head, std::initializer_list<unsigned char> bytes) {
  if (head.size() < bytes.size()) return false;
  std::size_t i = 0;
  for (const unsigned char b : bytes)
    if (head[i++] != b) return false;
  return true;
}

}  // namespace

Jpeg_Walk For_Each_Jpeg_Segment(std::span<const unsigned char> file,
                                const std::function<bool(unsigned char, std::span<const unsigned char>)>& take) {
  if (file.size() < 2 || file[0] != 0xFF || file[1] != 0xD8) return Jpeg_Walk::Not_Jpeg;
  // After the start of the image: a marker, then a length that counts itself.
  for (std::size_t at = 2;;) {
    if (at + 4 > file.size()) return Jpeg_Walk::Ran_Out;
    if (file[at] != 0xFF) return Jpeg_Walk::Ended;
    const unsigned char marker = file[at + 1];
    if (marker == 0xFF) {  // a fill byte before a marker
      ++at;
      continue;
    }
    if (marker == 0xDA || marker == 0xD9) return Jpeg_Walk::Ended;  // the image data, or its end
    const std::size_t length = (static_cast<std::size_t>(file[at + 2]) << 8) | file[at + 3];
    if (length < 2) return Jpeg_Walk::Ended;
    if (length > file.size() - at - 2) return Jpeg_Walk::Ran_Out;
    if (!take(marker, file.subspan(at + 4, length - 2))) return Jpeg_Walk::Ended;
    at += 2 + length;
  }
}

Header Read_Header(std::span<const unsigned char> head) {
  using Reading = Header::Reading;
  if (Starts_With(head, {'B', 'M'})) {
    if (head.size() < 26) return {Reading::More, {}};
    // The OS/2 header (12 bytes) keeps 16-bit sizes; the others 32-bit ones, the height negative for rows from the top.
    if (Little(head, 14, 4) == 12) return {Reading::Size, {Little(head, 18, 2), Little(head, 20, 2)}};
    return {Reading::Size,
            {std::llabs(static_cast<std::int32_t>(Little(head, 18, 4))),
             std::llabs(static_cast<std::int32_t>(Little(head, 22, 4)))}};
  }
  if (Starts_With(head, {'G', 'I', 'F'})) {
    if (head.size() < 10) return {Reading::More, {}};
    return {Reading::Size, {Little(head, 6, 2), Little(head, 8, 2)}};
  }
  Header found;
  const Jpeg_Walk walk = For_Each_Jpeg_Segment(head, [&](unsigned char marker, std::span<const unsigned char> frame) {
    if (!Is_Frame(marker) || frame.size() < 5) return true;
    found = {Reading::Size, {(frame[3] << 8) | frame[4], (frame[1] << 8) | frame[2]}};
    return false;
  });
  if (found.Says == Reading::None && walk == Jpeg_Walk::Ran_Out) found.Says = Reading::More;
  return found;
}

}  // namespace toolkit
