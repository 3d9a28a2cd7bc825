// The saver screen: how it covers the screen, shows its pictures one after another, and ends; and its warning.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "tests/wine/fixtures.h"
#include "toolkit/portable/ansi.h"

using namespace driver;

namespace {

// A w x h picture as the saver shows it complete: inside the white frame of the canvas's edge.
std::vector<DWORD> Framed(int w, int h, const std::function<DWORD(int, int)>& colour) {
  std::vector<DWORD> framed;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) framed.push_back(x % (w - 1) == 0 || y % (h - 1) == 0 ? 0xFFFFFF : colour(x, y));
  return framed;
}

}  // namespace

// Each ending on a fresh start in the same place, so that each start also shows that the last one left nothing.
// Started with /s the saver hides the pointer, started with nothing it leaves it. Every ending switches the system's
// screen saver back on.
TEST(Saver_Screen, CoversTheScreenTopmostAndEndsOnAnyKeyClickOrEndFromOutsideButNotOnAMove) {
  struct Ending {
    const char* What;
    std::function<void(HWND)> Act;
    bool Noisy;  // a picture that takes a while to paint
    const wchar_t* Switch = L"/s";
  };
  const Ending endings[] = {{"Shift alone", [](HWND) { Press_Key(VK_SHIFT); }, false},
                            {"a click on the picture", [](HWND) { Click_At(512, 384); }, false, L""},
                            {"a right click on the black around it", [](HWND) { Click_At(5, 5, true); }, false},
                            {"Enter in the middle of a painting", [](HWND) { Press_Key(VK_RETURN); }, true},
                            {"End task", [](HWND w) { PostMessageW(w, WM_CLOSE, 0, 0); }, true},
                            {"the end of the session", [](HWND w) { PostMessageW(w, WM_ENDSESSION, TRUE, 0); }, false}};
  for (const Ending& e : endings) {
    SCOPED_TRACE(e.What);
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, SPIF_UPDATEINIFILE);
    Running_Saver saver(
        L"saver_screen", {},
        [&](const Install& i) {
          if (e.Noisy) Write_Test_Bmp(i.Path(L"pics\\one.bmp"), 1024, 768, Pattern);
        },
        e.Switch);
    ASSERT_TRUE(saver.window && Wait_For([&] { return GetForegroundWindow() == saver.window; }));
    EXPECT_EQ((Pointer().flags & CURSOR_SHOWING) != 0, !*e.Switch);
    EXPECT_TRUE(Wait_For([&] { return GetWindowLongW(saver.window, GWL_EXSTYLE) & WS_EX_TOPMOST; }));
    if (e.Noisy) {  // some pixels painted, not all
      ASSERT_TRUE(Wait_For([&] {
        const auto px = Capture_Screen({256, 192, 768, 576});
        const auto white = std::count(px.begin(), px.end(), 0xFFFFFFu);
        return white > 0 && white < static_cast<long>(px.size() * 9 / 10);
      }));
    } else {
      EXPECT_TRUE(Wait_For([&] { return Capture_Screen({0, 0, 4, 4}) == std::vector<DWORD>(16, 0); }));
      for (int i = 0; i < 5; ++i) Move_Mouse_To(100 + 30 * i, 100 + 20 * i);
      Sync_With(saver.window);
      EXPECT_FALSE(saver.scr->Wait_Exit(1000)) << "a move of the mouse ended the saver";
    }
    e.Act(saver.window);
    EXPECT_EQ(saver.scr->Wait_Exit(5000), 0u);
    EXPECT_TRUE(Saver_Active());
  }
}

// Two pictures in turn at their own size: the first painted exactly and upright, inside the white frame of the
// canvas's edge, centred with its odd margins halved toward zero, then the second. Red is the grey mean in the
// first: its second pass shows it exactly too.
TEST(Saver_Screen, ShowsAPictureUprightAndExactInAWhiteFrameThenTheNext) {
  const auto halves = [](int, int y) -> DWORD { return y < 75 ? 0x6428A0 : 0x64A028; };
  Running_Saver saver(L"saver_show", {}, [&](const Install& i) {
    Write_Test_Bmp(i.Path(L"pics\\one.bmp"), 201, 151, halves);
    Write_Test_Bmp(i.Path(L"pics\\two.bmp"), 201, 151, [](int, int) { return 0x646464u; });
  });
  EXPECT_TRUE(Wait_For([&] { return Screen_Shows({411, 308, 612, 459}, Framed(201, 151, halves)); }));
  EXPECT_TRUE(Wait_For([&] { return Screen_Shows({512, 384, 513, 385}, {0x646464}); }));
}

// A phone's portrait photo, stored on its side two folders down, fitted to the screen upright: its four quarters in
// their places.
TEST(Saver_Screen, PaintsAPhotoStoredOnItsSideTwoFoldersDownUpright) {
  Running_Saver saver(L"saver_portrait", {0, 1, {1, 1, 1, 1, 1}, 0, 0, 1}, [](const Install& i) {
    DeleteFileW(i.Path(L"pics\\one.bmp").c_str());
    CreateDirectoryW(i.Path(L"pics\\2026").c_str(), nullptr);
    CreateDirectoryW(i.Path(L"pics\\2026\\夏").c_str(), nullptr);
    CopyFileW(Portrait.c_str(), i.Path(L"pics\\2026\\夏\\portrait6.jpg").c_str(), FALSE);
  });
  // 240 x 320 fitted to 1024 x 768 is 576 x 768 from x = 224: the quarters' middles.
  const POINT q[4] = {{368, 192}, {656, 192}, {368, 576}, {656, 576}};
  EXPECT_TRUE(Wait_For([&] {
    bool all = true;
    for (int i = 0; i < 4; ++i)
      all &= Near(Capture_Screen({q[i].x, q[i].y, q[i].x + 1, q[i].y + 1})[0], Quarter_Colours[i]);
    return all;
  }));
}

// Every encoding the saver meets, at its own size in the middle of the screen, one after another: a PNG of any form
// exactly, over black where it is transparent; a JPEG of any encoding near its colours.
TEST(Saver_Screen, ShowsEveryEncodingOfJpegAndPng) {
  struct Row {
    const wchar_t* File;
    std::array<DWORD, 4> Quarters;  // top left, top right, bottom left, bottom right
    bool Exact;
  };
  constexpr std::array<DWORD, 4> colours{0x20D020, 0xF0F0F0, 0xD02020, 0x2020D0};
  const Row rows[] = {  // in the order the saver lists them
      {L"cmyk.jpg", colours, false},
      {L"grey.png", {0x404040, 0x808080, 0xC0C0C0, 0xF0F0F0}, true},
      {L"greyscale.jpg", {0x9D9D9D, 0xF0F0F0, 0x454545, 0x2D2D2D}, false},
      {L"interlaced.png", colours, true},
      {L"palette.png", colours, true},
      {L"profile.jpg", colours, false},
      {L"progressive.jpg", colours, false},
      {L"rgb16.png", colours, true},
      {L"rgb8.png", colours, true},
      {L"rgba.png", {0x20D020, 0, 0x681010, 0x2020D0}, true},  // opaque, clear, half: over black
  };
  Running_Saver saver(L"saver_encodings", {0, 0, {1, 1, 1, 1, 1}, 0, 2}, [&](const Install& i) {
    DeleteFileW(i.Path(L"pics\\one.bmp").c_str());
    for (const Row& r : rows)
      CopyFileW((L"C:\\qvfixtures\\encodings\\" + std::wstring(r.File)).c_str(),
                i.Path(L"pics\\" + std::wstring(r.File)).c_str(), FALSE);
  });
  ASSERT_NE(saver.window, nullptr);
  const RECT middle{352, 264, 672, 504};  // 320 x 240 in the middle of 1024 x 768
  for (const Row& r : rows) {
    SCOPED_TRACE(toolkit::To_Ansi(r.File));
    const auto quarter = [&](int x, int y) { return r.Quarters[(x >= 160) + 2 * (y >= 120)]; };
    if (r.Exact) {
      EXPECT_TRUE(Wait_For([&] { return Screen_Shows(middle, Framed(320, 240, quarter)); }));
    } else {
      EXPECT_TRUE(Wait_For([&] {
        for (const POINT p : {POINT{80, 60}, {240, 60}, {80, 180}, {240, 180}})
          if (!Near(Capture_Screen({352 + p.x, 264 + p.y, 353 + p.x, 265 + p.y})[0], quarter(p.x, p.y))) return false;
        return true;
      }));
    }
  }
}

// The reveal paced at 6 s and the finished picture held for 2 s: the screen changes all through the reveal, then
// stands still with the picture complete, until the next reveal begins on a white canvas.
TEST(Saver_Screen, APacedRevealChangesTheScreenThroughoutThenHoldsTheFinishedPicture) {
  Running_Saver saver(L"saver_paced", {0, 0, {1, 1, 1, 1, 1}, 6, 2},
                      [](const Install& i) { Write_Test_Bmp(i.Path(L"pics\\one.bmp"), 320, 240, Pattern); });
  const RECT area{352, 264, 672, 504};  // 320 x 240 at the middle of 1024 x 768
  const std::vector<DWORD> framed = Framed(320, 240, Pattern);
  const auto white = [&] {
    const auto px = Capture_Screen(area);
    return std::count(px.begin(), px.end(), 0xFFFFFFu) > static_cast<long>(px.size() * 9 / 10);
  };
  ASSERT_TRUE(Wait_For(white));
  // The reveal: the moments the screen changed, to the picture complete.
  const DWORD start = GetTickCount();
  DWORD last_change = start, longest_still = 0;
  std::vector<DWORD> last = Capture_Screen(area);
  ASSERT_TRUE(Wait_For(
      [&] {
        const auto shown = Capture_Screen(area);
        if (shown != last) {
          longest_still = std::max(longest_still, GetTickCount() - last_change);
          last_change = GetTickCount();
          last = shown;
        }
        return shown == framed;
      },
      20000));
  const DWORD done = GetTickCount();
  EXPECT_TRUE(done - start >= 3000 && done - start <= 12000) << "a reveal of " << done - start << " ms";
  EXPECT_LT(longest_still, 1500u) << "the screen stood still during the reveal";
  // The hold: the finished picture stays, then the next reveal begins.
  EXPECT_TRUE(Wait_For(white, 10000));
  EXPECT_GE(GetTickCount() - done, 1500u) << "the finished picture was not held";
}

// A key while the next picture, a big one, is read, placed and prepared ends the saver at once: input never waits for
// a picture's road.
TEST(Saver_Screen, AKeyWhileABigPictureIsPreparedEndsTheSaverAtOnce) {
  Running_Saver saver(L"saver_big", {0, 1},
                      [](const Install& i) { CopyFileW(Big_Jpeg.c_str(), i.Path(L"pics\\two.jpg").c_str(), FALSE); });
  ASSERT_TRUE(saver.window && Wait_For([&] { return GetForegroundWindow() == saver.window; }));
  // The small picture complete, fitted to the whole screen in its white frame: the big one is on its road.
  const std::vector<DWORD> complete = Framed(1024, 768, [](int, int) { return Saver_Colour; });
  ASSERT_TRUE(Wait_For([&] { return Screen_Shows({0, 0, 1024, 768}, complete); }));
  Press_Key(VK_SPACE);
  const DWORD pressed = GetTickCount();
  EXPECT_EQ(saver.scr->Wait_Exit(1000), 0u);
  EXPECT_LT(GetTickCount() - pressed, 1000u);
}

// No picture: the warning, with the pointer shown; once it is dismissed the program ends, and neither the
// settings file nor the system's saver settings have changed.
TEST(Saver_Screen, WithoutPicturesWarnsWithThePointerShownAndEndsChangingNothing) {
  SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, SPIF_UPDATEINIFILE);
  Install install(L"no_pictures");
  Write_Settings(install, install.Path(L"missing"));
  const std::string settings = Read_Text(install.Ini());
  Process scr(install.Scr(), L"/s");
  HWND box = nullptr;
  ASSERT_TRUE(Wait_For([&] {
    box = Window_Of(scr.Id(), L"#32770", L"Quorvantile (Saver Screen)");
    return box && GetForegroundWindow() == box;
  }));
  wchar_t text[64] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 64);
  EXPECT_STREQ(text, L"画像ﾌｧｲﾙを指定して下さい ！");
  EXPECT_TRUE(Pointer().flags & CURSOR_SHOWING);
  Press_Key(VK_RETURN);
  EXPECT_EQ(scr.Wait_Exit(), 0u);
  EXPECT_EQ(Read_Text(install.Ini()), settings);
  EXPECT_FALSE(Saver_Active());
}
