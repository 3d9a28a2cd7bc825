#include "toolkit/portable/orientation.h"

#include <string_view>

#include "toolkit/portable/picture_header.h"

namespace toolkit {
namespace {

// Reads whole numbers of a TIFF block in its byte order, and nothing outside it.
class Tiff_Reader {
 public:
  explicit Tiff_Reader(std::span<const unsigned char> block) : block_(block) {}
  bool Set_Byte_Order() {
    if (block_.size() < 8) return false;
    if (block_[0] == 'I' && block_[1] == 'I')
      big_endian_ = false;
    else if (block_[0] == 'M' && block_[1] == 'M')
      big_endian_ = true;
    else
      return false;
    return Number(2, 2) == 42;
  }
  bool Fits(std::size_t at, std::size_t size) const { return at <= block_.size() && size <= block_.size() - at; }
  // The bytes at must exist: Fits(at, size) first.
  std::uint32_t Number(std::size_t at, std::size_t size) const {
    std::uint32_t n = 0;
    for (std::size_t i = 0; i < size; ++i)
      n |= static_cast<std::uint32_t>(block_[at + i]) << (8 * (big_endian_ ? size - 1 - i : i));
    return n;
  }

 private:
  std::span<const unsigned char> block_;
  bool big_endian_ = false;
};

// The orientation in the first image directory of a TIFF block, or 1.
int Tiff_Orientation(std::span<const unsigned char> block) {
  Tiff_Reader tiff(block);
  if (!tiff.Set_Byte_Order()) return 1;
  const std::size_t directory = tiff.Number(4, 4);
  if (!tiff.Fits(directory, 2)) return 1;
  const std::size_t entries = tiff.Number(directory, 2);
  for (std::size_t i = 0; i < entries; ++i) {
    const std::size_t entry = directory + 2 + 12 * i;
    if (!tiff.Fits(entry, 12)) return 1;
    // Tag 0x0112, one SHORT (type 3), kept in the first two bytes of the value field.
    if (tiff.Number(entry, 2) != 0x0112) continue;
    if (tiff.Number(entry + 2, 2) != 3 || tiff.Number(entry + 4, 4) != 1) return 1;
    const std::uint32_t value = tiff.Number(entry + 8, 2);
    return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
  }
  return 1;
}

}  // namespace

int Exif_Orientation(std::span<const unsigned char> file) {
  int orientation = 1;
  For_Each_Jpeg_Segment(file, [&](unsigned char marker, std::span<const unsigned char> segment) {
    constexpr std::string_view Exif_Header("Exif\0\0", 6);
    if (marker != 0xE1 || segment.size() < Exif_Header.size() ||
        std::string_view(reinterpret_cast<const char*>(segment.data()), Exif_Header.size()) != Exif_Header)
      return true;
    orientation = Tiff_Orientation(segment.subspan(Exif_Header.size()));  // the first EXIF block is the one
    return false;
  });
  return orientation;
}

bool Lies_On_Its_Side(int orientation) { return orientation >= 5 && orientation <= 8; }

void Turn_Upright(const std::uint32_t* stored, int W, int H, int orientation, std::uint32_t* upright) {
  const int w = Lies_On_Its_Side(orientation) ? H : W, h = Lies_On_Its_Side(orientation) ? W : H;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      // The stored pixel that shows at (x, y) of the upright picture.
      int sx = x, sy = y;
      switch (orientation) {
        case 2:
          sx = W - 1 - x;
          break;
        case 3:
          sx = W - 1 - x, sy = H - 1 - y;
          break;
        case 4:
          sy = H - 1 - y;
          break;
        case 5:
          sx = y, sy = x;
          break;
        case 6:
          sx = y, sy = H - 1 - x;
          break;
        case 7:
          sx = W - 1 - y, sy = H - 1 - x;
          break;
        case 8:
          sx = W - 1 - y, sy = x;
          break;
        default:
          break;
      }
      upright[static_cast<std::size_t>(y) * w + x] = stored[static_cast<std::size_t>(sy) * W + sx];
    }
}

}  // namespace toolkit
