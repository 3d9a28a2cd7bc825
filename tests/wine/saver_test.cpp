// The real saver started with /s (or nothing): its screen, how it ends, its warning without pictures,
// and the 95 family's password check.
#include <gtest/gtest.h>

#include "tests/wine/driver.h"
#include "tests/wine/saver_fixture.h"

using namespace driver;

namespace {

const wchar_t Warning_Title[] = L"Quorvantile (Saver Screen)";
const Test_Picture One_Picture{L"one.bmp", 64, 48, [](int, int) { return 0x3080C0u; }};

// An installed saver whose folder holds one small picture of one colour.
struct Saver_With_Picture {
  explicit Saver_With_Picture(const std::wstring& name, const wchar_t* arguments = L"/s") : install(name) {
    Install_Pictures(install, {One_Picture});
    scr.emplace(install.Scr(), arguments);
    window = Wait_For_Window(scr->Id(), L"Quorvantile_Main");
  }
  Install install;
  std::optional<Process> scr;
  HWND window = nullptr;
};

std::string Text_Of(const std::wstring& path) {
  const auto bytes = Read_Bytes(path);
  return {bytes.begin(), bytes.end()};
}

}  // namespace

TEST(Saver_Screen, CoversTheWholeScreenTopmostAndEndsOnShiftAlone) {
  Saver_With_Picture saver(L"saver_screen");
  ASSERT_NE(saver.window, nullptr);
  ASSERT_TRUE(Wait_For([&] { return IsWindowVisible(saver.window) != 0; }));
  RECT r{};
  GetWindowRect(saver.window, &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_TRUE(Wait_For([&] { return (GetWindowLongW(saver.window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }));
  EXPECT_FALSE(GetWindowLongW(saver.window, GWL_STYLE) & WS_CAPTION);
  // The corners are the saver's black around the centred picture.
  const RECT corner{0, 0, 4, 4};
  EXPECT_TRUE(Wait_For([&] { return Capture_Screen(corner) == std::vector<DWORD>(16, 0); }));

  ASSERT_TRUE(Wait_For([&] { return GetForegroundWindow() == saver.window; }));
  Press_Key(VK_SHIFT);
  EXPECT_TRUE(saver.scr->Wait_Exit().has_value());
}

TEST(Saver_Screen, MovingTheMouseDoesNothingAndAClickEnds) {
  Saver_With_Picture saver(L"saver_mouse");
  ASSERT_NE(saver.window, nullptr);
  ASSERT_TRUE(Wait_For([&] { return GetForegroundWindow() == saver.window; }));
  for (int i = 0; i < 10; ++i) {
    Move_Mouse_To(100 + 30 * i, 100 + 20 * i);
    Sync_With(saver.window);
  }
  Sync_With(saver.window);
  EXPECT_TRUE(saver.scr->Running());
  Click_At(512, 384);  // on Display, the centred picture
  EXPECT_TRUE(saver.scr->Wait_Exit().has_value());

  Saver_With_Picture again(L"saver_mouse");
  ASSERT_TRUE(Wait_For([&] { return GetForegroundWindow() == again.window; }));
  Click_At(5, 5);  // on the black screen around it
  EXPECT_TRUE(again.scr->Wait_Exit().has_value());
}

TEST(Saver_Screen, AnEndFromOutsideEndsTheProcessAndTheNextStartRuns) {
  for (const UINT request : {WM_CLOSE, WM_ENDSESSION}) {
    Saver_With_Picture saver(L"saver_close");
    ASSERT_NE(saver.window, nullptr);
    PostMessageW(saver.window, request, TRUE, 0);
    EXPECT_TRUE(saver.scr->Wait_Exit(5000).has_value()) << "the saver ran on without its window";
  }
  Saver_With_Picture again(L"saver_close");
  EXPECT_TRUE(Wait_For([&] { return again.window && IsWindowVisible(again.window); }));
}

TEST(Saver_Screen, WithoutPicturesItWarnsAndEndsWritingNothing) {
  Install install(L"saver_empty");
  CreateDirectoryW(install.Path(L"empty").c_str(), nullptr);
  Write_Test_Bmp(install.Path(L"off.bmp"), 8, 8, [](int, int) { return 0u; });
  Saver_Settings all_off;
  all_off.Kind_Flag = {0, 0, 0, 0};
  struct Case {
    std::wstring Folder;
    Saver_Settings Settings;
  };
  for (const Case& c : {Case{install.Path(L"empty"), {}}, Case{install.Path(L"missing"), {}},
                        Case{install.Dir(), all_off}}) {
    Write_Settings(install, c.Folder, c.Settings);
    const std::string before = Text_Of(install.Ini());
    Process scr(install.Scr(), L"/s");
    const HWND box = Wait_For_Window(scr.Id(), Warning_Title);
    ASSERT_NE(box, nullptr);
    wchar_t text[128] = {};
    EXPECT_TRUE(Wait_For([&] {
      GetDlgItemTextW(box, 0xFFFF, text, 128);
      return text[0] != 0;
    }));
    EXPECT_EQ(std::wstring(text), L"\u753B\u50CF\uFF8C\uFF67\uFF72\uFF99\u3092\u6307\u5B9A\u3057\u3066\u4E0B\u3055\u3044 \uFF01");
    const HWND screen = Wait_For_Window(scr.Id(), L"Quorvantile_Main", 0);
    EXPECT_TRUE(screen == nullptr || !IsWindowVisible(screen)) << "the saver screen showed without pictures";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(scr.Wait_Exit().has_value());
    EXPECT_EQ(Text_Of(install.Ini()), before);
  }
}

TEST(Saver_Screen, ThePictureStaysWhenItsFileGoesAfterTheStart) {
  // With one picture the slideshow places it once and paints it again and again.
  Saver_With_Picture saver(L"saver_one");
  ASSERT_NE(saver.window, nullptr);
  const RECT centre{510, 382, 514, 386};
  ASSERT_TRUE(Wait_For([&] { return Capture_Screen(centre) == std::vector<DWORD>(16, 0x3080C0); }));
  DeleteFileW(saver.install.Path(L"pics\\one.bmp").c_str());
  // The painting starts again (the canvas turns white, then grey-blue) and ends on the picture again.
  EXPECT_TRUE(Wait_For([&] { return Capture_Screen(centre) != std::vector<DWORD>(16, 0x3080C0); }));
  EXPECT_TRUE(Wait_For([&] { return Capture_Screen(centre) == std::vector<DWORD>(16, 0x3080C0); }));
}

TEST(Saver_95, AKeyAndACloseRequestAskThePasswordCheck) {
  Saver_With_Picture saver(L"saver_95");
  ASSERT_NE(saver.window, nullptr);
  // The stand-in check goes beside the saver before the first key; the saver looks it up on each key.
  CopyFileW((Build_Dir() + L"\\standins\\password.cpl").c_str(), saver.install.Path(L"password.cpl").c_str(), FALSE);
  const std::wstring calls = saver.install.Path(L"pwdcheck.txt");
  ASSERT_TRUE(Wait_For([&] { return GetForegroundWindow() == saver.window; }));
  Press_Key(VK_SPACE);
  ASSERT_TRUE(Wait_For([&] { return Text_Of(calls) == "refused 1\n"; }));
  Sync_With(saver.window);
  EXPECT_TRUE(saver.scr->Running());
  PostMessageW(saver.window, WM_CLOSE, 0, 0);  // Task Manager's End task
  EXPECT_TRUE(saver.scr->Wait_Exit().has_value());
  EXPECT_EQ(Text_Of(calls), "refused 1\naccepted 1\n");
}

TEST(Saver_95, TheEndOfTheSessionQuitsWithoutAsking) {
  Saver_With_Picture saver(L"saver_95_session");
  ASSERT_NE(saver.window, nullptr);
  CopyFileW((Build_Dir() + L"\\standins\\password.cpl").c_str(), saver.install.Path(L"password.cpl").c_str(), FALSE);
  PostMessageW(saver.window, WM_ENDSESSION, TRUE, 0);
  EXPECT_TRUE(saver.scr->Wait_Exit().has_value());
  EXPECT_FALSE(Exists(saver.install.Path(L"pwdcheck.txt")));
}

TEST(Saver_95, StartedWithoutASwitchAKeyEndsWithoutAPasswordCheck) {
  Install install(L"saver_95_plain");
  Install_Pictures(install, {One_Picture});
  CopyFileW((Build_Dir() + L"\\standins\\password.cpl").c_str(), install.Path(L"password.cpl").c_str(), FALSE);
  Process scr(install.Scr(), L"");
  const HWND window = Wait_For_Window(scr.Id(), L"Quorvantile_Main");
  ASSERT_TRUE(Wait_For([&] { return GetForegroundWindow() == window; }));
  Press_Key(VK_SPACE);
  EXPECT_TRUE(scr.Wait_Exit().has_value());
  EXPECT_FALSE(Exists(install.Path(L"pwdcheck.txt")));
}

TEST(Saver_95, WithoutTheCheckASetPasswordKeepsTheSaverUp) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  for (const DWORD password_set : {1u, 0u}) {
    RegSetValueExA(key, "ScreenSaveUsePassword", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&password_set), 4);
    Saver_With_Picture saver(L"saver_95_nocheck");
    ASSERT_TRUE(Wait_For([&] { return GetForegroundWindow() == saver.window; }));
    Press_Key(VK_SPACE);
    if (password_set) {
      for (int i = 0; i < 5; ++i) Sync_With(saver.window);
      EXPECT_TRUE(saver.scr->Running()) << "a password that cannot be checked let the user past";
    } else {
      EXPECT_TRUE(saver.scr->Wait_Exit().has_value());
    }
  }
  RegDeleteValueA(key, "ScreenSaveUsePassword");
  RegCloseKey(key);
}
