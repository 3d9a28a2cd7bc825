// Records the reveal of one picture for the README: the painting engine paints it onto a white canvas, and
// the canvas is written as a numbered bitmap at even steps through each pass.
//   qv_reveal_demo.exe PICTURE FOLDER [FRAMES_PER_PASS]
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "paint/painting.h"
#include "saver/painting_road.h"
#include "toolkit/portable/ansi.h"
#include "toolkit/system/picture.h"

using namespace Quorvantile_B;

namespace {

// Writes 0x00RRGGBB pixels, row by row from the top, as a 32-bit bitmap file.
void Save_Bmp(const std::wstring& path, const std::vector<DWORD>& pixels, int w, int h) {
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  const DWORD size = static_cast<DWORD>(pixels.size() * 4);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + size;
  std::ofstream out(path.c_str(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(reinterpret_cast<const char*>(pixels.data()), size);
}

// A white canvas that counts the pixels painted on it.
class Canvas : public Paint_Surface {
 public:
  Canvas(int w, int h) : w_(w), pixels_(static_cast<std::size_t>(w) * h, 0xFFFFFF) {}
  void Set_Pixel(int x, int y, std::uint32_t colour) override {
    // A colour value is red + 256 green + 65536 blue; the bitmap wants 0x00RRGGBB.
    pixels_[static_cast<std::size_t>(y) * w_ + x] = ((colour & 0xFF) << 16) | (colour & 0xFF00) | (colour >> 16);
    ++painted;
  }
  const std::vector<DWORD>& Pixels() const { return pixels_; }
  long long painted = 0;

 private:
  int w_;
  std::vector<DWORD> pixels_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: qv_reveal_demo PICTURE FOLDER [FRAMES_PER_PASS]\n");
    return 2;
  }
  const std::wstring folder = toolkit::From_Ansi(argv[2]);
  const int per_pass = argc > 3 ? std::atoi(argv[3]) : 20;
  const auto picture = toolkit::Decode_File(toolkit::From_Ansi(argv[1]), toolkit::Screen_Dpi());
  if (!picture) return std::fprintf(stderr, "reveal demo: cannot read %s\n", argv[1]), 1;
  const int W = picture->Width, H = picture->Height;
  Grid<std::int32_t> bits(W, H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      bits(x, y) = static_cast<std::int32_t>(picture->Bits[static_cast<std::size_t>(y) * W + x] & 0xFFFFFF);
  toolkit::Random_Generator rnd;
  std::optional<Prepared_Painting> prepared = Prep_Paint(std::move(bits), W, H, Sum_Range, rnd);
  if (!prepared) return std::fprintf(stderr, "reveal demo: cannot paint %s\n", argv[1]), 1;
  Painting painting(std::make_shared<const Prepared_Painting>(std::move(*prepared)));

  Canvas canvas(W, H);
  const long long every = static_cast<long long>(W - 2) * (H - 2) / per_pass;
  int frames = 0;
  const auto frame = [&] {
    wchar_t name[32];
    std::swprintf(name, 32, L"\\frame%04d.bmp", frames++);
    Save_Bmp(folder + name, canvas.Pixels(), W, H);
  };
  for (long long next = 0; painting.Step(canvas);)
    if (canvas.painted >= next) {
      frame();
      next += every;
    }
  frame();
  std::printf("reveal demo: %d frames of %d x %d in %s\n", frames, W, H, argv[2]);
}
