// The painting on the real window: what the screen shows during the first pass and after the last, and a
// key press in the middle of a painting.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/pict_list.h"
#include "catalogue/play_order.h"
#include "paint/paint_pass.h"
#include "saver/quorvantile_s.h"
#include "settings/settings_values.h"
#include "tests/wine/driver.h"
#include "tests/wine/saver_fixture.h"

using namespace Quorvantile_B;
using namespace driver;

namespace {

constexpr DWORD White = 0xFFFFFF;

// Blocks of colour with sums far apart, so that the painting takes few layers.
DWORD Blocks(int x, int y) {
  static const DWORD colours[] = {0x2040C0, 0xE0C020, 0x10A060, 0xC02080, 0x606060, 0xF0F0A0};
  return colours[((x / 23) + 2 * (y / 17)) % 6];
}

// A saver screen in this process, shown full-screen, with one picture placed at natural size.
class Painting : public ::testing::Test {
 protected:
  void SetUp() override {
    Write_Test_Bmp(path, 300, 200, Blocks);
    saver.Create_Window();
    saver.Create_Controls();
    saver.Scr_W = static_cast<std::int16_t>(GetSystemMetrics(SM_CXSCREEN));
    saver.Scr_H = static_cast<std::int16_t>(GetSystemMetrics(SM_CYSCREEN));
    saver.Move_Twips(0, 0, saver.Scr_W * 15.0, saver.Scr_H * 15.0);
    Size_Mode = 0;
    Pict_List = {L"", path};
    Pict_Count = 1;
    Play_Order = {0, 1};
    saver.Play_Pos = 0;
    saver.Next_Picture();
    Sum_Range = 100;
    saver.Show();
    SetWindowPos(saver.Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  }
  RECT Display_Rect() const {
    const int left = (saver.Scr_W - 300) / 2, top = (saver.Scr_H - 200) / 2;
    return {left, top, left + 300, top + 200};
  }
  Install install{L"painting"};
  std::wstring path = install.Path(L"blocks.bmp");
  Quorvantile_S saver;
};

// Runs the action once, at the first yield to window messages that follows.
class At_First_Yield {
 public:
  explicit At_First_Yield(std::function<void()> action) : action_(std::move(action)) {
    hwnd_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc));
    PostMessageW(hwnd_, WM_APP, 0, 0);
  }
  ~At_First_Yield() { DestroyWindow(hwnd_); }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_APP) {
      reinterpret_cast<At_First_Yield*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))->action_();
      return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  HWND hwnd_;
  std::function<void()> action_;
};

}  // namespace

TEST_F(Painting, AfterThePaintingTheInteriorIsThePictureAndTheFrameWhite) {
  saver.Paint_Picture();
  const RECT r = Display_Rect();
  const auto shown = Capture_Screen(r);
  std::size_t wrong = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x) {
      const bool frame = x == 0 || y == 0 || x == 299 || y == 199;
      wrong += shown[static_cast<std::size_t>(y) * 300 + x] != (frame ? White : Blocks(x, y));
    }
  EXPECT_EQ(wrong, 0u);
  // Centred on the black screen.
  const RECT left_of_it{r.left - 2, r.top, r.left, r.bottom};
  EXPECT_TRUE(Wait_For([&] { return Capture_Screen(left_of_it) == std::vector<DWORD>(400, 0); }));
}

TEST_F(Painting, WhatIsPaintedSurvivesBeingCoveredAndUncovered) {
  saver.Paint_Picture();
  const RECT r = Display_Rect();
  const auto painted = Capture_Screen(r);
  const HWND cover = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, r.left - 10, r.top - 10, 200,
                                     150, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(Wait_For([&] { return Capture_Screen(r) != painted; }));
  DestroyWindow(cover);
  EXPECT_TRUE(Wait_For([&] { return Capture_Screen(r) == painted; }));
}

TEST_F(Painting, DuringTheFirstPassOnlyBlueDepartsFromGrey) {
  std::vector<DWORD> shown;
  const At_First_Yield capture([&] { shown = Capture_Screen(Display_Rect()); });
  saver.Paint_Picture();
  ASSERT_EQ(shown.size(), 300u * 200u);
  std::size_t painted = 0, white = 0, wrong = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x) {
      const DWORD v = shown[static_cast<std::size_t>(y) * 300 + x];
      if (v == White) {
        ++white;
        continue;
      }
      ++painted;
      const DWORD p = Blocks(x, y);
      const int sum = static_cast<int>(((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF));
      const DWORD grey = static_cast<DWORD>((sum + 1) / 3);
      wrong += v != ((grey << 16) | (grey << 8) | (p & 0xFF));
    }
  EXPECT_GT(painted, 0u);
  EXPECT_GT(white, 0u);
  EXPECT_EQ(wrong, 0u);
}

TEST(Painting_Saver, AKeyPressInTheMiddleOfAPaintingEndsTheSaver) {
  Install install(L"painting_key");
  Install_Pictures(install, {{L"noise.bmp", 1024, 768, Pattern}});
  Process scr(install.Scr(), L"/s");
  const HWND window = Wait_For_Window(scr.Id(), L"Quorvantile_Main");
  ASSERT_NE(window, nullptr);
  // Some pixels painted, not all: the first pass is under way.
  const RECT middle{256, 192, 768, 576};
  ASSERT_TRUE(Wait_For([&] {
    const auto px = Capture_Screen(middle);
    const auto white = std::count(px.begin(), px.end(), White);
    return white > 0 && static_cast<std::size_t>(white) < px.size() * 9 / 10;
  }));
  ASSERT_TRUE(Wait_For([&] { return GetForegroundWindow() == window; }));
  Press_Key(VK_RETURN);
  EXPECT_TRUE(scr.Wait_Exit(5000).has_value());
}
