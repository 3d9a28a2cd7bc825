#pragma once
// Pictures through the platform's own loader (bitmap, GIF, JPEG, placeable Windows metafile): decoded into pixels
// from a file, as the loader thread does, or held as the system's picture object for the program's own artwork.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/portable/buffer.h"
#include "toolkit/system/com_ptr.h"
#include "toolkit/system/gdi.h"
#include "toolkit/system/screen.h"

namespace toolkit {

// The most pixels a picture may have: a 32-bit copy of it takes 256 MiB. A bigger one cannot be had in a 32-bit
// process beside the rest, and is refused from its header, before it is read.
constexpr long long Max_Picture_Pixels = 1LL << 26;
// A picture file may be no bigger (a 64-megapixel bitmap of 32 bits a pixel is 256 MiB) ...
constexpr unsigned long long Max_Picture_File_Bytes = 512ULL << 20;
// ... and its size must show within its first bytes.
constexpr std::size_t Header_Bound = 16U << 20;

// A picture's pixels at its natural size: a bitmap of 32 bits a pixel, rows from the top, 0x00RRGGBB. The bitmap is
// the picture's own, or lent by the decoder that made it, which Decoder then keeps: such a picture stays on the
// thread that decoded it.
struct Decoded_Picture {
  Bitmap Pixels;
  Com_Ptr<IPicture> Decoder;
  HBITMAP Handle = nullptr;
  std::uint32_t* Bits = nullptr;
  int Width = 0, Height = 0;
  // A JPEG file's first bytes, where its EXIF block lies, for what the program reads there; empty for the others.
  Buffer<unsigned char> Jpeg_Head;
};

// Reads and decodes a picture file; nothing for a file that cannot be read or decoded, or is too big to be had. It
// raises nothing: it runs on the worker. The dpi sizes metafiles and pictures that state their size in physical
// units. Lending, a decoded bitmap that is already of the pixels' kind is lent rather than copied, so that a big
// picture is not held twice.
enum class Lending { Copy, Lend };
std::optional<Decoded_Picture> Decode_File(const std::wstring& path, Dots_Per_Inch dpi,
                                           Lending lending = Lending::Copy) noexcept;

// The system's picture object, for the program's own artwork: drawn smoothed at any size.
class Picture {
 public:
  // Raises an error for a resource that is missing or cannot be decoded.
  static std::shared_ptr<Picture> From_Resource(int id);  // an RCDATA resource of the executable

  // Natural size in pixels, as stored.
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Draws the whole picture into the rectangle (x, y, w, h) of dc, smoothed where it is scaled.
  void Render(HDC dc, int x, int y, int w, int h) const;

 private:
  Com_Ptr<IPicture> pic_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace toolkit
