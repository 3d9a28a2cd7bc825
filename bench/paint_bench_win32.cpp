// Benchmark under Wine: painting one 1024 x 768 photograph-like picture on the real saver window, with
// the number of yields and the share of the time spent in the yields (screen update and messages).
#include <chrono>
#include <cstdio>

#include "bench/photo_like.h"
#include "catalogue/pict_list.h"
#include "catalogue/play_order.h"
#include "saver/display_surface.h"
#include "saver/quorvantile_s.h"
#include "settings/settings_values.h"
#include "tests/wine/driver.h"

using namespace Quorvantile_B;
using Clock = std::chrono::steady_clock;

namespace {

class Timed_Surface : public Paint_Surface {
 public:
  explicit Timed_Surface(Paint_Surface& inner) : inner_(inner) {}
  void Set_Pixel(int x, int y, std::uint32_t colour) override { inner_.Set_Pixel(x, y, colour); }
  void Yield_To_Events() override {
    const auto start = Clock::now();
    inner_.Yield_To_Events();
    in_yield += std::chrono::duration<double>(Clock::now() - start).count();
    ++yields;
  }
  double in_yield = 0;
  long long yields = 0;

 private:
  Paint_Surface& inner_;
};

}  // namespace

int main() {
  const int W = 1024, H = 768;
  driver::Install install(L"paint_bench");
  const auto picture = Photo_Like(W, H);
  driver::Write_Test_Bmp(install.Path(L"photo.bmp"), W, H, [&](int x, int y) {
    return static_cast<DWORD>(picture[static_cast<std::size_t>(y) * W + x]);
  });
  Quorvantile_S saver;
  saver.Create_Window();
  saver.Create_Controls();
  saver.Scr_W = W;
  saver.Scr_H = H;
  saver.Move_Twips(0, 0, W * 15.0, H * 15.0);
  Size_Mode = 0;
  Pict_List = {L"", install.Path(L"photo.bmp")};
  Pict_Count = 1;
  Play_Order = {0, 1};
  saver.Next_Picture();
  Sum_Range = 100;
  saver.Show();

  // The steps of the saver's painting, with the yields timed.
  const auto start = Clock::now();
  saver.Prepare_Painting();
  Display_Surface display(saver.Display);
  Timed_Surface timed(display);
  Paint_Passes(timed);
  const double total = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf(
      "painting on the saver window under Wine, %d x %d photograph-like: %.2f s, %lld yields, "
      "%.0f%% of the time in yields (screen update and messages)\n",
      W, H, total, timed.yields, 100 * timed.in_yield / total);
}
