#pragma once
// Pictures decoded into pixels from a file, as the worker does (JPEG and PNG by the program's own decoders; bitmap,
// GIF and placeable Windows metafile by the platform's loader), or held as the system's picture object for the
// program's own artwork.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/portable/picture_decode.h"
#include "toolkit/system/com_ptr.h"
#include "toolkit/system/gdi.h"
#include "toolkit/system/screen.h"

namespace toolkit {

// The most pixels a picture read whole may have: a 32-bit copy of it takes 256 MiB. A bigger one cannot be had in a
// 32-bit process beside the rest, and is refused from its header, before it is read. A JPEG is read only at the
// size shown, and only what it gives counts.
constexpr long long Max_Picture_Pixels = 1LL << 26;
// A picture file the system's loader reads may be no bigger (a 64-megapixel bitmap of 32 bits a pixel is 256 MiB) ...
constexpr unsigned long long Max_Picture_File_Bytes = 512ULL << 20;
// ... and its size must show within its first bytes.
constexpr std::size_t Header_Bound = 16U << 20;

// The size a picture is shown at, for the decoders that read only that: for the picture's natural size, upright,
// the part of it shown (toolkit/portable/picture_decode.h), in the same upright terms.
class Shown_Size {
 public:
  virtual ~Shown_Size() = default;
  virtual Decode_Part Part(int W, int H) const noexcept = 0;
};

// A picture's pixels, upright: a bitmap of 32 bits a pixel, rows from the top, 0x00RRGGBB. They are the whole
// picture at its natural size, or what a decoder read of it for the size shown: the part at Part_X, Part_Y of its
// natural size, or the whole of it scaled. The bitmap is the picture's own, or lent by the decoder that made it,
// which Decoder then keeps: such a picture stays on the thread that decoded it.
struct Decoded_Picture {
  Bitmap Pixels;
  Com_Ptr<IPicture> Decoder;
  HBITMAP Handle = nullptr;
  std::uint32_t* Bits = nullptr;
  int Width = 0, Height = 0;
  int Natural_W = 0, Natural_H = 0;
  int Part_X = 0, Part_Y = 0;
};

// Reads and decodes a picture file, upright as a photo's EXIF orientation says; nothing for a file that cannot be
// read or decoded, or is too big to be had. JPEG and PNG files go through the program's own decoders, which read
// only the part shown or scale while they decode where shown says how it is shown; the others through the system's
// loader. It raises nothing: it runs on the worker. The dpi sizes metafiles and pictures that state their size in
// physical units. Lending, a bitmap the system's loader made that is already of the pixels' kind is lent rather than
// copied, so that a big picture is not held twice.
enum class Lending { Copy, Lend };
// Once, on the window thread, before the worker's first decode.
void Prepare_Decoding();
std::optional<Decoded_Picture> Decode_File(const std::wstring& path, Dots_Per_Inch dpi, Lending lending = Lending::Copy,
                                           const Shown_Size* shown = nullptr) noexcept;

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
