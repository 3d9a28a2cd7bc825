// The saver screen: how it covers the screen, shows the painting under way, and ends.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/wine/fixtures.h"

using namespace driver;

// Each ending on a fresh start in the same place, so that each start also shows that the last one left nothing.
TEST(Saver_Screen, CoversTheScreenTopmostAndEndsOnAnyKeyClickOrEndFromOutsideButNotOnAMove) {
  struct Ending {
    const char* What;
    std::function<void(HWND)> Act;
    bool Noisy;  // a picture that takes a while to paint
  };
  const Ending endings[] = {{"Shift alone", [](HWND) { Press_Key(VK_SHIFT); }, false},
                            {"a click on the picture", [](HWND) { Click_At(512, 384); }, false},
                            {"a right click on the black around it", [](HWND) { Click_At(5, 5, true); }, false},
                            {"Enter in the middle of a painting", [](HWND) { Press_Key(VK_RETURN); }, true},
                            {"End task", [](HWND w) { PostMessageW(w, WM_CLOSE, 0, 0); }, true},
                            {"the end of the session", [](HWND w) { PostMessageW(w, WM_ENDSESSION, TRUE, 0); }, false}};
  for (const Ending& e : endings) {
    SCOPED_TRACE(e.What);
    Running_Saver saver(L"saver_screen", {}, [&](const Install& i) {
      if (e.Noisy) Write_Test_Bmp(i.Path(L"pics\\one.bmp"), 1024, 768, Pattern);
    });
    ASSERT_TRUE(saver.Foreground());
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
      EXPECT_TRUE(saver.scr->Running()) << "a move of the mouse ended the saver";
    }
    e.Act(saver.window);
    EXPECT_TRUE(saver.scr->Wait_Exit(5000).has_value());
  }
}
