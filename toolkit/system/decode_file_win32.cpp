#include <stdlib.h>

#include <algorithm>

#include "toolkit/portable/buffer.h"
#include "toolkit/portable/orientation.h"
#include "toolkit/system/handles.h"
#include "toolkit/system/picture.h"
#include "toolkit/system/surface.h"
#include "toolkit/system/system_decoder.h"
#include "toolkit/system/system_text.h"

namespace toolkit {
namespace {

class File_Source : public Byte_Source {
 public:
  explicit File_Source(HANDLE file) : file_(file) {}
  std::size_t Read(unsigned char* at, std::size_t size) noexcept override {
    DWORD got = 0;
    return ReadFile(file_, at, static_cast<DWORD>(std::min<std::size_t>(size, 1U << 30)), &got, nullptr) ? got : 0;
  }

 private:
  HANDLE file_;
};

class Dib_Sink : public Pixel_Sink {
 public:
  std::uint32_t* Pixels(int w, int h) noexcept override {
    dib = Make_Dib(w, h, bits);
    return dib ? bits : nullptr;
  }
  Bitmap dib;
  std::uint32_t* bits = nullptr;
};

// The stored pixel that shows at (x, y) of a picture upright, for a picture stored sw x sh in an orientation, as
// Turn_Upright reads them.
POINT Stored_Point(int orientation, int sw, int sh, int x, int y) {
  switch (orientation) {
    case 2: return {sw - 1 - x, y};
    case 3: return {sw - 1 - x, sh - 1 - y};
    case 4: return {x, sh - 1 - y};
    case 5: return {y, x};
    case 6: return {y, sh - 1 - x};
    case 7: return {sw - 1 - y, sh - 1 - x};
    case 8: return {sw - 1 - y, x};
    default: return {x, y};
  }
}

// The part wanted of the picture upright, asked of the decoder in the picture's stored terms.
class Upright_Part : public Part_Chooser {
 public:
  Upright_Part(int orientation, const Shown_Size* shown) : orientation_(orientation), shown_(shown) {}
  Decode_Part Part(int sw, int sh) noexcept override {
    const bool on_side = Lies_On_Its_Side(orientation_);
    natural_w = on_side ? sh : sw;
    natural_h = on_side ? sw : sh;
    upright = shown_ ? shown_->Part(natural_w, natural_h) : Decode_Part{};
    Decode_Part stored = upright;
    if (on_side) std::swap(stored.Min_W, stored.Min_H);
    if (upright.W > 0 && upright.H > 0) {
      const POINT a = Stored_Point(orientation_, sw, sh, upright.X, upright.Y);
      const POINT b = Stored_Point(orientation_, sw, sh, upright.X + upright.W - 1, upright.Y + upright.H - 1);
      stored.X = std::min(a.x, b.x);
      stored.Y = std::min(a.y, b.y);
      stored.W = std::abs(a.x - b.x) + 1;
      stored.H = std::abs(a.y - b.y) + 1;
    }
    return stored;
  }
  int natural_w = 0, natural_h = 0;
  Decode_Part upright;

 private:
  const int orientation_;
  const Shown_Size* const shown_;
};

enum class Kind { Jpeg, Png, Other };

Kind Kind_Of(std::span<const unsigned char> head) {
  static constexpr unsigned char Png_Signature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (head.size() >= 2 && head[0] == 0xFF && head[1] == 0xD8) return Kind::Jpeg;
  if (head.size() >= sizeof Png_Signature && std::equal(std::begin(Png_Signature), std::end(Png_Signature), head.begin()))
    return Kind::Png;
  return Kind::Other;
}

}  // namespace

// libjpeg-turbo picks its SIMD code from what the processor has; the 95 family may not save the SSE registers of a
// thread, so there it keeps to MMX. The library reads the choice from the environment at its first decode.
void Prepare_Decoding() {
  if (!Nt_Family()) _putenv("JSIMD_FORCEMMX=1");
}

std::optional<Decoded_Picture> Decode_File(const std::wstring& path, Dots_Per_Inch dpi, Lending lending,
                                           const Shown_Size* shown) noexcept {
  const File_Handle file(Open_For_Reading(path));
  if (!file) return std::nullopt;
  // An EXIF block lies in the first segment, or after a JFIF one; a segment holds at most 64 KB.
  Buffer<unsigned char> head = Buffer<unsigned char>::Zeroed(std::size_t{2} << 16);
  DWORD got = 0;
  if (head.empty() || !ReadFile(file.Get(), head.data(), static_cast<DWORD>(head.size()), &got, nullptr))
    return std::nullopt;
  const std::span<const unsigned char> first(head.data(), got);
  const Kind kind = Kind_Of(first);
  if (kind == Kind::Other) return Decode_With_System(path, dpi, lending);
  const int orientation = kind == Kind::Jpeg ? Exif_Orientation(first) : 1;
  head = {};
  if (SetFilePointer(file.Get(), 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) return std::nullopt;
  File_Source source(file.Get());
  Upright_Part part(orientation, shown);
  Dib_Sink stored;
  const Decoded_Part read = kind == Kind::Jpeg ? Decode_Jpeg(source, part, stored) : Decode_Png(source, part, stored);
  if (!read.Decoded) return std::nullopt;
  Decoded_Picture decoded;
  decoded.Natural_W = part.natural_w;
  decoded.Natural_H = part.natural_h;
  const bool window = part.upright.W > 0 && part.upright.H > 0;
  decoded.Part_X = window ? std::max(0, part.upright.X) : 0;
  decoded.Part_Y = window ? std::max(0, part.upright.Y) : 0;
  const bool on_side = Lies_On_Its_Side(orientation);
  decoded.Width = on_side ? read.H : read.W;
  decoded.Height = on_side ? read.W : read.H;
  if (orientation == 1) {
    decoded.Pixels = std::move(stored.dib);
    decoded.Bits = stored.bits;
  } else {
    decoded.Pixels = Make_Dib(decoded.Width, decoded.Height, decoded.Bits);
    if (!decoded.Pixels) return std::nullopt;
    Turn_Upright(stored.bits, read.W, read.H, orientation, decoded.Bits);
  }
  decoded.Handle = decoded.Pixels.Get();
  return decoded;
}

}  // namespace toolkit
