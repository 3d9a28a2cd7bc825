// Benchmark: the painting engine alone on photograph-like pictures of a full-HD and a 4K monitor, into a memory
// surface, beside one plain read-and-write sweep over the same pixels; and the memory a painting holds.
#include <chrono>
#include <cstdio>

#include "bench/photo_like.h"
#include "paint/painting.h"

using namespace Quorvantile_B;
using Clock = std::chrono::steady_clock;

namespace {

class Memory_Surface : public Paint_Surface {
 public:
  Memory_Surface(int w, int h) : w_(w), pixels_(static_cast<std::size_t>(w) * h) {}
  void Set_Pixel(int x, int y, std::uint32_t colour) override {
    pixels_[static_cast<std::size_t>(y) * w_ + x] = colour;
  }
  std::size_t Bytes() const { return pixels_.size() * sizeof(std::uint32_t); }

 private:
  int w_;
  std::vector<std::uint32_t> pixels_;
};

double Seconds_Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

}  // namespace

int main() {
  for (const auto& [W, H] : {std::pair{1920, 1080}, std::pair{3840, 2160}}) {
    const auto picture = Photo_Like(W, H);
    Grid<std::int32_t> Src_Bits(W, H);
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) Src_Bits(x, y) = picture[static_cast<std::size_t>(y) * W + x];

    const auto prep_start = Clock::now();
    toolkit::Random_Generator rnd;
    auto prepared = std::make_shared<const Prepared_Painting>(*Prep_Paint(std::move(Src_Bits), W, H, 100, rnd));
    Painting painting(prepared);
    const double prep = Seconds_Since(prep_start);

    Memory_Surface surface(W, H);
    long long steps = 0;
    const auto paint_start = Clock::now();
    while (painting.Step(surface)) ++steps;
    const double paint = Seconds_Since(paint_start);

    // The plain sweep: read each pixel, write it to the surface, once.
    std::vector<std::uint32_t> out(static_cast<std::size_t>(W) * H);
    const auto sweep_start = Clock::now();
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x)
        out[static_cast<std::size_t>(y) * W + x] = static_cast<std::uint32_t>(prepared->Base_Color(x, y));
    const double sweep = Seconds_Since(sweep_start);
    volatile std::uint32_t keep = out[12345];
    (void)keep;

    const double pixels = static_cast<double>(W) * H, mib = 1048576.0;
    std::printf(
        "painting engine, %d x %d photograph-like: three passes %.1f ns/pixel (%.3f s, %lld steps); plain sweep "
        "%.2f ns/pixel; ratio %.0fx; preparation %.1f ns/pixel; the painting holds %.1f MiB (%.1f bytes/pixel: %.1f "
        "prepared, the picture's pixels among them, and %.1f its own), beside a canvas of %.1f MiB\n",
        W, H, paint * 1e9 / pixels, paint, steps, sweep * 1e9 / pixels, paint / sweep, prep * 1e9 / pixels,
        (prepared->Bytes() + painting.Working_Bytes()) / mib, (prepared->Bytes() + painting.Working_Bytes()) / pixels,
        prepared->Bytes() / pixels, painting.Working_Bytes() / pixels, surface.Bytes() / mib);
  }
}
