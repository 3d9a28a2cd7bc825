// Benchmark: the painting engine alone on a 1920 x 1080 photograph-like picture, into a memory surface
// whose yield does nothing, beside one plain read-and-write sweep over the same pixels.
#include <chrono>
#include <cstdio>

#include "bench/photo_like.h"
#include "paint/paint_pass.h"
#include "paint/prep_paint.h"

using namespace Quorvantile_B;
using Clock = std::chrono::steady_clock;

namespace {

class Memory_Surface : public Paint_Surface {
 public:
  Memory_Surface(int w, int h) : w_(w), pixels_(static_cast<std::size_t>(w) * h) {}
  void Set_Pixel(int x, int y, std::uint32_t colour) override {
    pixels_[static_cast<std::size_t>(y) * w_ + x] = colour;
  }
  void Yield_To_Events() override { ++yields; }
  long long yields = 0;

 private:
  int w_;
  std::vector<std::uint32_t> pixels_;
};

double Seconds_Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

}  // namespace

int main() {
  const int W = 1920, H = 1080;
  const auto picture = Photo_Like(W, H);
  Src_Bits = Grid<std::int32_t>(W, H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) Src_Bits(x, y) = picture[static_cast<std::size_t>(y) * W + x];
  Sum_Range = 100;

  const auto prep_start = Clock::now();
  Prep_Paint(W, H);
  const double prep = Seconds_Since(prep_start);

  Memory_Surface surface(W, H);
  const auto paint_start = Clock::now();
  Paint_Passes(surface);
  const double paint = Seconds_Since(paint_start);

  // The plain sweep: read each pixel, write it to the surface, once.
  std::vector<std::uint32_t> out(static_cast<std::size_t>(W) * H);
  const auto sweep_start = Clock::now();
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) out[static_cast<std::size_t>(y) * W + x] = static_cast<std::uint32_t>(Src_Bits(x, y));
  const double sweep = Seconds_Since(sweep_start);
  volatile std::uint32_t keep = out[12345];
  (void)keep;

  const double pixels = static_cast<double>(W) * H;
  const double working = 4.0 * Src_Bits.Stride() * Src_Bits.Rows() + 4.0 * Work_Color.Stride() * Work_Color.Rows() +
                         4.0 * Base_Color.Stride() * Base_Color.Rows() + sizeof(Point16) * Seed_Order.capacity() +
                         sizeof(Point16) * (Next_Pts.capacity() + Cur_Pts.capacity());
  std::printf(
      "painting engine, %d x %d photograph-like: three passes %.1f ns/pixel (%.3f s, %lld yields); "
      "plain sweep %.2f ns/pixel; ratio %.0fx; preparation %.1f ns/pixel; working memory %.1f bytes/pixel\n",
      W, H, paint * 1e9 / pixels, paint, surface.yields, sweep * 1e9 / pixels, paint / sweep, prep * 1e9 / pixels,
      working / pixels);
}
