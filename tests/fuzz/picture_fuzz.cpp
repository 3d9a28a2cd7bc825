// Fuzzing the program's own decoders over libjpeg-turbo and libpng: any bytes, read whole, cut to a window and
// scaled, give a picture or a refusal, read nothing outside what they are given (the address sanitizer sees to
// that), and never hang.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "toolkit/portable/picture_decode.h"

namespace {

class Bytes : public toolkit::Byte_Source {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::size_t Read(unsigned char* at, std::size_t size) noexcept override {
    const std::size_t n = size < size_ - at_ ? size : size_ - at_;
    std::memcpy(at, data_ + at_, n);
    at_ += n;
    return n;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_, at_ = 0;
};

struct Memory : toolkit::Pixel_Sink {
  std::uint32_t* Pixels(int w, int h) noexcept override {
    pixels.assign(static_cast<std::size_t>(w) * h, 0xDEADBEEF);
    return pixels.data();
  }
  std::vector<std::uint32_t> pixels;
};

// The whole picture, a window of it, or the whole scaled.
struct Some_Part : toolkit::Part_Chooser {
  explicit Some_Part(int kind) : kind_(kind) {}
  toolkit::Decode_Part Part(int w, int h) noexcept override {
    if (kind_ == 1) return {w / 4, h / 3, w / 2, h / 2};
    if (kind_ == 2) return {0, 0, 0, 0, w / 5 + 1, h / 5 + 1};
    return {};
  }
  int kind_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  toolkit::Decode_Limits limits;
  limits.Max_Pixels = 1 << 22;
  limits.Max_Memory = 64 << 20;
  for (int kind = 0; kind < 3; ++kind) {
    for (const bool png : {false, true}) {
      Bytes source(data, size);
      Memory sink;
      Some_Part part(kind);
      const toolkit::Decoded_Part got = png ? toolkit::Decode_Png(source, part, sink, limits)
                                            : toolkit::Decode_Jpeg(source, part, sink, limits);
      // What was given is the size said, every pixel of it written, each 0x00RRGGBB.
      if (got.Decoded && (static_cast<std::size_t>(got.W) * got.H != sink.pixels.size() || got.W <= 0))
        __builtin_trap();
      for (const std::uint32_t p : sink.pixels)
        if (got.Decoded && p > 0xFFFFFF) __builtin_trap();
    }
  }
  return 0;
}
