// Today's desktops: the saver and the settings dialog at 144 and 192 dpi (run in those configurations), and
// the saver on two monitors side by side (run in the two-monitor configuration).
// Configurations: Dpi 144 192, Monitors dual
#include <gtest/gtest.h>

#include <algorithm>

#include "dialog/quorvantile_p.h"
#include "tests/wine/fixtures.h"
#include "toolkit/system/screen.h"

using namespace driver;

namespace {

const Saver_Settings Fitted{0, 1};
bool None_Black(const std::vector<DWORD>& px) { return std::count(px.begin(), px.end(), 0u) == 0; }

// The dialog's client area, the list's place and its sideways extent, scaled from 96 dpi.
void Expect_Laid_Out(const Dialog_View& d, int dpi) {
  RECT client{}, list{};
  GetClientRect(d.window, &client);
  GetWindowRect(d.List, &list);
  MapWindowPoints(nullptr, d.Panel, reinterpret_cast<POINT*>(&list), 2);
  const auto at = [dpi](int v) { return static_cast<LONG>(MulDiv(v, dpi, 96)); };
  EXPECT_EQ((std::array{client.right, client.bottom, list.left, list.top, list.right, list.bottom}),
            (std::array{at(453), at(405), at(12), at(68), at(12 + 169), at(68 + 212)}));
  EXPECT_EQ(SendMessageW(d.List, LB_GETHORIZONTALEXTENT, 0, 0), at(311));
}

}  // namespace

TEST(Dpi, TheSaverPaintsTheWholeScreen) {
  ASSERT_GT(toolkit::System_Dpi(), 96) << "run at 144 or 192 dpi";
  Running_Saver saver(L"dpi_saver", Fitted);
  // The last columns and rows: white canvas or painting, never the black beyond a canvas too small.
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_TRUE(Wait_For([&] {
    return None_Black(Capture_Screen({w - 2, 0, w, h})) && None_Black(Capture_Screen({0, h - 2, w, h}));
  }));
}

// The dialog in this process, where its controls can be measured, then moved to a monitor of 96 dpi.
TEST(Dpi, TheDialogScalesAndAMoveToAnotherDpiLaysItOutAgain) {
  const int dpi = toolkit::System_Dpi();
  ASSERT_GT(dpi, 96) << "run at 144 or 192 dpi";
  toolkit::App app;
  Quorvantile_B::Quorvantile_P d(app, {});
  d.Load();
  d.Show();
  const Dialog_View v(d.Hwnd());
  Expect_Laid_Out(v, dpi);
  RECT suggested{10, 10, 480, 450};
  SendMessageW(v.window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
  Expect_Laid_Out(v, 96);
}

// Two pictures in sequential order: the primary monitor paints the first and the other the second, at once.
TEST(Monitors, EveryMonitorPaintsItsOwnPictureAndAKeyEndsTheSaverWhileBothPaint) {
  const std::vector<toolkit::Screen_Area> monitors = toolkit::Monitors();
  ASSERT_EQ(monitors.size(), 2u) << "run on two monitors";
  const DWORD second_colour = 0xC08030;
  Running_Saver saver(L"monitors", Fitted, [&](const Install& install) {
    Write_Test_Bmp(install.Path(L"pics\\two.bmp"), 640, 480, [&](int, int) { return second_colour; });
  });
  // Each centre shows a pass's colour of its own picture (the grey mean of both is 0x7B).
  const std::vector<DWORD> first{0x7B7BC0, 0x7B80C0, Saver_Colour}, second{0x7B7B30, 0x7B8030, second_colour};
  const auto centre = [](const toolkit::Screen_Area& m) {
    return Capture_Screen({m.X + m.W / 2, m.Y + m.H / 2, m.X + m.W / 2 + 1, m.Y + m.H / 2 + 1})[0];
  };
  EXPECT_TRUE(Wait_For([&] {
    return std::count(first.begin(), first.end(), centre(monitors[0])) &&
           std::count(second.begin(), second.end(), centre(monitors[1]));
  }));
  Press_Key(VK_SPACE);
  EXPECT_TRUE(saver.scr->Wait_Exit(5000).has_value());
}
