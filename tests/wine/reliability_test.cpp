// What the saver must survive: a burst of starts beside a running saver, a settings file it cannot write,
// and a folder scan past the count limit or cut short by the user.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <memory>

#include "tests/wine/dialog_fixture.h"

using namespace driver;

namespace {

// The soak run (tools/soak.sh) puts a folder "qvhuge" of 40,000 bitmap files on the user's desktop first:
// made from outside Wine, that takes a second instead of minutes.
bool Huge_Folder_Ready() {
  wchar_t desktop[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
  return Exists(std::wstring(desktop) + L"\\qvhuge\\p39999.bmp");
}

}  // namespace

TEST(Reliability, TwentyStartsBesideARunningSaverAllEndAndTheSaverStillEndsOnAKey) {
  Install install(L"burst");
  Install_Pictures(install, {{L"a.bmp", 200, 150, Pattern}});
  Process saver(install.Scr(), L"/s");
  const HWND window = Wait_For_Window(saver.Id(), L"Quorvantile_Main");
  ASSERT_NE(window, nullptr);
  const HWND pane = CreateWindowExW(0, L"STATIC", L"pane", WS_POPUP, 0, 0, 152, 112, nullptr, nullptr, nullptr, nullptr);
  const std::wstring switches[3] = {L"/s", L"/c", L"/p " + std::to_wstring(reinterpret_cast<INT_PTR>(pane))};
  std::vector<std::unique_ptr<Process>> starts;
  for (int i = 0; i < 20; ++i) starts.push_back(std::make_unique<Process>(install.Scr(), switches[i % 3]));
  for (auto& p : starts) EXPECT_TRUE(p->Wait_Exit().has_value());
  EXPECT_EQ(GetWindow(pane, GW_CHILD), nullptr);
  DestroyWindow(pane);
  ASSERT_TRUE(saver.Running());
  ASSERT_TRUE(Wait_For([&] { return GetForegroundWindow() == window; }));
  Press_Key(VK_SPACE);
  EXPECT_TRUE(saver.Wait_Exit().has_value());
}

// The bench runs as root, for whom no permission stops a write; a folder in the settings file's place
// cannot be written by anyone.
TEST(Reliability, ASettingsFileThatCannotBeWrittenClosesSilently) {
  Open_Dialog d(L"unwritable_ini", L"", {}, [](const Install& install) {
    DeleteFileW(install.Ini().c_str());
    CreateDirectoryW(install.Ini().c_str(), nullptr);
    Write_Bytes(install.Ini() + L"\\keep.txt", "untouched");
  });
  ASSERT_NE(d.window, nullptr);
  d.Click(d.Panel, 340, 62);   // ﾗﾝﾀﾞﾑ
  d.Click(d.Pic_C, 280, 350);  // 設定
  EXPECT_TRUE(d.Ended());
  EXPECT_EQ(GetFileAttributesW(d.install.Ini().c_str()) & FILE_ATTRIBUTE_DIRECTORY, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  const auto kept = Read_Bytes(d.install.Ini() + L"\\keep.txt");
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "untouched");
}

TEST(Soak_Dialog, AScanPastTheCountLimitStopsWithOneMessageAndStaysResponsive) {
  ASSERT_TRUE(Huge_Folder_Ready());
  Open_Dialog d(L"huge_scan", L"");
  ASSERT_NE(d.window, nullptr);
  Choose_Desktop_Folder(d, L"qvhuge");
  // While the scan runs the dialog answers at once.
  for (int i = 0; i < 5; ++i) {
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutW(d.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result), 0);
  }
  HWND box = nullptr;
  ASSERT_TRUE(Wait_For([&] { return (box = Visible_Dialog_Box(d.scr->Id())) != nullptr; }, 120000));
  wchar_t text[128] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 128);
  EXPECT_EQ(std::wstring(text), L"オーバーフローしました。");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(Wait_For([&] { return SendMessageW(d.List, LB_GETCOUNT, 0, 0) == 32767; }, 120000));
  d.Sync();
  EXPECT_EQ(Visible_Dialog_Box(d.scr->Id()), nullptr) << "a second message";
}

TEST(Soak_Dialog, CancelInTheMiddleOfAScanEndsTheProgramAtOnce) {
  ASSERT_TRUE(Huge_Folder_Ready());
  Open_Dialog d(L"huge_cancel", L"");
  ASSERT_NE(d.window, nullptr);
  Choose_Desktop_Folder(d, L"qvhuge");
  d.Sync();
  d.Click(d.Pic_C, 388, 350);  // ｷｬﾝｾﾙ
  EXPECT_TRUE(d.Ended(5000));
}
