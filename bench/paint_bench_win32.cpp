// Benchmark under Wine: painting one 1024 x 768 photograph-like picture onto a window as the saver does, a step
// and then a yield (the screen updated and the messages handled), with the steps and the share of the time
// spent in the yields.
#include <chrono>
#include <cstdio>

#include "bench/photo_like.h"
#include "paint/painting.h"
#include "saver/display_canvas.h"
#include "saver/painting_road.h"
#include "toolkit/controls/app.h"
#include "toolkit/controls/form.h"
#include "toolkit/controls/picture_box.h"

using namespace Quorvantile_B;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds_Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

}  // namespace

int main() {
  const int W = 1024, H = 768;
  toolkit::App app;
  toolkit::Form window(app, L"paint bench", toolkit::Border_Style::None);
  window.Load();
  window.Move_Twips(0, 0, W * 15.0, H * 15.0);
  toolkit::Picture_Box display;
  display.Create(window.Hwnd(), 0, 0, W, H, true, RGB(255, 255, 255));
  window.Show();

  const auto picture = Photo_Like(W, H);
  Grid<std::int32_t> bits(W, H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) bits(x, y) = picture[static_cast<std::size_t>(y) * W + x];
  const auto start = Clock::now();
  toolkit::Random_Generator rnd;
  Painting painting(std::make_shared<const Prepared_Painting>(*Prep_Paint(std::move(bits), W, H, Sum_Range, rnd)));
  Display_Canvas surface(display, 0, 0, W, H);
  long long steps = 0;
  double in_yield = 0;
  for (; painting.Step(surface); ++steps) {
    const auto yield_start = Clock::now();
    display.Refresh();
    app.Run_Until([] { return true; });
    in_yield += Seconds_Since(yield_start);
  }
  const double total = Seconds_Since(start);
  std::printf(
      "painting on a window under Wine, %d x %d photograph-like: %.2f s, %lld steps, %.0f%% of the time in the "
      "yields (screen update and messages)\n",
      W, H, total, steps, 100 * in_yield / total);
}
