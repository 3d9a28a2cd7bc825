// Benchmark under Wine: how close photographs fitted to a screen come to a properly filtered reduction of them (an
// area average of the whole picture), in PSNR, for a photo fitted at a fifth of its width and at two fifths: placed
// from the whole picture decoded at its own size, as the system's decoder gave it, and from the JPEG decoded at the
// smallest scale of M/8 that covers the fitted size, as now; both by the saver's own placing call (StretchBlt with
// COLORONCOLOR, which drops rows and columns without blending).
//   qv_fitting_bench.exe PHOTO.jpg...
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "toolkit/portable/picture_decode.h"
#include "toolkit/system/gdi.h"
#include "toolkit/system/surface.h"

namespace {

class File_Source : public toolkit::Byte_Source {
 public:
  explicit File_Source(const char* path) : file_(std::fopen(path, "rb")) {}
  ~File_Source() override {
    if (file_) std::fclose(file_);
  }
  std::size_t Read(unsigned char* at, std::size_t size) noexcept override {
    return file_ ? std::fread(at, 1, size, file_) : 0;
  }

 private:
  std::FILE* file_;
};

struct Dib : toolkit::Pixel_Sink {
  std::uint32_t* Pixels(int width, int height) noexcept override {
    w = width, h = height;
    bitmap = toolkit::Make_Dib(w, h, bits);
    return bits;
  }
  toolkit::Bitmap bitmap;
  std::uint32_t* bits = nullptr;
  int w = 0, h = 0;
};

struct At_Least : toolkit::Part_Chooser {
  At_Least(int w, int h) : w_(w), h_(h) {}
  toolkit::Decode_Part Part(int, int) noexcept override { return {0, 0, 0, 0, w_, h_}; }
  int w_, h_;
};

// The decoded pixels stretched to w x h as the saver places them.
std::vector<std::uint32_t> Placed(const Dib& from, int w, int h) {
  Dib to;
  to.Pixels(w, h);
  const toolkit::Memory_Dc src(CreateCompatibleDC(nullptr)), dst(CreateCompatibleDC(nullptr));
  const toolkit::Selection a(src.Get(), from.bitmap.Get()), b(dst.Get(), to.bitmap.Get());
  SetStretchBltMode(dst.Get(), COLORONCOLOR);
  StretchBlt(dst.Get(), 0, 0, w, h, src.Get(), 0, 0, from.w, from.h, SRCCOPY);
  GdiFlush();
  return {to.bits, to.bits + static_cast<std::size_t>(w) * h};
}

// The area average of the whole picture at w x h: each pixel the mean of the source area it covers, parts of
// pixels weighed by their share, one channel of 0x00RRGGBB at a time.
std::vector<double> Area_Average(const Dib& full, int w, int h, int shift) {
  const double sx = static_cast<double>(full.w) / w, sy = static_cast<double>(full.h) / h;
  std::vector<double> rows(static_cast<std::size_t>(full.w) * h), out(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < full.w; ++x) {
      double sum = 0;
      for (int v = static_cast<int>(y * sy); v < std::ceil((y + 1) * sy) && v < full.h; ++v) {
        const double cover = std::min(v + 1.0, (y + 1) * sy) - std::max(static_cast<double>(v), y * sy);
        sum += cover * (full.bits[static_cast<std::size_t>(v) * full.w + x] >> shift & 0xFF);
      }
      rows[static_cast<std::size_t>(y) * full.w + x] = sum / sy;
    }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      double sum = 0;
      for (int u = static_cast<int>(x * sx); u < std::ceil((x + 1) * sx) && u < full.w; ++u) {
        const double cover = std::min(u + 1.0, (x + 1) * sx) - std::max(static_cast<double>(u), x * sx);
        sum += cover * rows[static_cast<std::size_t>(y) * full.w + u];
      }
      out[static_cast<std::size_t>(y) * w + x] = sum / sx;
    }
  return out;
}

double Psnr(const std::vector<std::uint32_t>& placed, const std::vector<double> (&reference)[3]) {
  double squares = 0;
  for (int c = 0; c < 3; ++c)
    for (std::size_t i = 0; i < placed.size(); ++i) {
      const double d = (placed[i] >> (8 * c) & 0xFF) - reference[c][i];
      squares += d * d;
    }
  return 10 * std::log10(255.0 * 255.0 / (squares / (3.0 * placed.size())));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return std::puts("usage: qv_fitting_bench PHOTO.jpg..."), 2;
  for (int i = 1; i < argc; ++i) {
    Dib full;
    toolkit::Whole_Picture whole;
    File_Source whole_file(argv[i]);
    if (!toolkit::Decode_Jpeg(whole_file, whole, full).Decoded) {
      std::printf("%s: cannot be decoded\n", argv[i]);
      continue;
    }
    for (const int fifths : {1, 2}) {
      const int w = full.w * fifths / 5, h = full.h * fifths / 5;
      const std::vector<double> reference[3] = {Area_Average(full, w, h, 0), Area_Average(full, w, h, 8),
                                                Area_Average(full, w, h, 16)};
      Dib scaled;
      At_Least shown(w, h);
      File_Source scaled_file(argv[i]);
      toolkit::Decode_Jpeg(scaled_file, shown, scaled);
      const double before = Psnr(Placed(full, w, h), reference), after = Psnr(Placed(scaled, w, h), reference);
      std::printf(
          "%s, %d x %d fitted at %d x %d (%d fifth%s of its width): placed from its own size %.1f dB, from its "
          "%d/8 decode (%d x %d) %.1f dB: %+.1f dB\n",
          argv[i], full.w, full.h, w, h, fifths, fifths > 1 ? "s" : "", before,
          toolkit::Jpeg_Scale(full.w, full.h, w, h), scaled.w, scaled.h, after, after - before);
    }
  }
}
