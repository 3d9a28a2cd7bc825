// The soak's part in the Wine test driver (tools/soak.sh runs it): the dialog's scan of 40,000 files, past
// the count limit and cut short by the user.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "tests/wine/fixtures.h"

using namespace driver;

namespace {

// tools/soak.sh puts a folder "qvhuge" of 40,000 bitmap files on the user's desktop first: made from outside
// Wine, that takes a second instead of minutes.
bool Huge_Folder_Ready() {
  wchar_t desktop[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
  return Exists(std::wstring(desktop) + L"\\qvhuge\\p39999.bmp");
}

}  // namespace

TEST(Soak_Dialog, AScanPastTheCountLimitStopsWithOneMessageAndStaysResponsive) {
  ASSERT_TRUE(Huge_Folder_Ready());
  Open_Dialog d(L"huge_scan", L"");
  ASSERT_NE(d.window, nullptr);
  ASSERT_TRUE(Choose_Desktop_Folder(d, L"qvhuge"));
  // While the scan runs the dialog answers at once.
  for (int i = 0; i < 5; ++i) {
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutW(d.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result), 0);
  }
  HWND box = nullptr;
  ASSERT_TRUE(Wait_For([&] { return (box = Window_Of(d.scr->Id(), L"#32770", nullptr)) != nullptr; }, 120000));
  wchar_t text[128] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 128);
  EXPECT_EQ(std::wstring(text), L"オーバーフローしました。");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(Wait_For([&] { return Ask(d.List, LB_GETCOUNT) == 32767; }, 120000));
  d.Sync();
  EXPECT_EQ(Window_Of(d.scr->Id(), L"#32770", nullptr), nullptr) << "a second message";
}

TEST(Soak_Dialog, CancelInTheMiddleOfAScanEndsTheProgramAtOnce) {
  ASSERT_TRUE(Huge_Folder_Ready());
  Open_Dialog d(L"huge_cancel", L"");
  ASSERT_NE(d.window, nullptr);
  ASSERT_TRUE(Choose_Desktop_Folder(d, L"qvhuge"));
  d.Sync();
  d.Click(d.Pic_C, 388, 350);  // ｷｬﾝｾﾙ
  EXPECT_TRUE(d.Ended(5000));
}
