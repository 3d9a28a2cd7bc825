// The still preview embedded in a pane, as the display settings' preview shows it.
#include <gtest/gtest.h>

#include "tests/wine/driver.h"

using driver::Install;
using driver::Process;

namespace {

HWND Make_Pane(int x, int y, int w, int h) {
  return CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"pane", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x, y, w, h, nullptr, nullptr,
                         nullptr, nullptr);
}

std::wstring Handle_Text(HWND hwnd) { return std::to_wstring(reinterpret_cast<INT_PTR>(hwnd)); }

// The still picture stored in the installed saver.
std::vector<unsigned char> Stored_Preview(const std::wstring& scr) {
  const HMODULE module = LoadLibraryExW(scr.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  const HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(101), MAKEINTRESOURCEW(10));
  const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(module, info)));
  std::vector<unsigned char> bytes(data, data + SizeofResource(module, info));
  FreeLibrary(module);
  return bytes;
}

RECT Rect_Of(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

}  // namespace

TEST(Preview, BecomesAChildCoveringThePaneAndEndsWithIt) {
  Install install(L"preview");
  const HWND pane = Make_Pane(200, 150, 152, 112);
  Process scr(install.Scr(), L"/p " + Handle_Text(pane));
  const RECT pane_rect = Rect_Of(pane);
  HWND child = nullptr;
  ASSERT_TRUE(driver::Wait_For([&] {
    child = GetWindow(pane, GW_CHILD);
    const RECT r = Rect_Of(child);
    return child && EqualRect(&r, &pane_rect) && IsWindowVisible(child);
  }));
  EXPECT_TRUE(GetWindowLongW(child, GWL_STYLE) & WS_CHILD);
  DestroyWindow(pane);
  EXPECT_TRUE(scr.Wait_Exit().has_value()) << "the preview outlived its pane";
  EXPECT_FALSE(driver::Exists(install.Ini()));  // no settings are read or written in this mode
}

// Wine draws no window of another process inside a pane, so the picture is checked on the one pane
// whose children it does draw: the desktop window, which the preview then covers whole.
TEST(Preview, ShowsTheStoredPictureFillingItsPane) {
  Install install(L"preview_desktop");
  Process scr(install.Scr(), L"/p " + Handle_Text(GetDesktopWindow()));
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const auto expected = driver::Render_Picture(Stored_Preview(install.Scr()), screen.right, screen.bottom);
  std::vector<DWORD> shown;
  EXPECT_TRUE(driver::Wait_For([&] { return (shown = driver::Capture_Screen(screen)) == expected; }))
      << "the preview does not show the stored picture (see shown.bmp and expected.bmp in its install folder)";
  if (shown != expected) {
    driver::Save_Bmp(install.Path(L"shown.bmp"), shown, screen.right, screen.bottom);
    driver::Save_Bmp(install.Path(L"expected.bmp"), expected, screen.right, screen.bottom);
  }
}

TEST(Preview, APaneOver32767TwipsIsClampedNotOverflowed) {
  Install install(L"preview_wide");
  const HWND pane = Make_Pane(0, 0, 3000, 200);
  Process scr(install.Scr(), L"/p " + Handle_Text(pane));
  // 32767 twips at 15 twips per pixel, once the preview has sized itself.
  EXPECT_TRUE(driver::Wait_For([&] {
    const RECT r = Rect_Of(GetWindow(pane, GW_CHILD));
    return r.right - r.left == 2184 && r.bottom - r.top == 200;
  }));
  DestroyWindow(pane);
  EXPECT_TRUE(scr.Wait_Exit().has_value());
}

TEST(Preview, WithoutAHandleThePreviewHasNoSize) {
  Install install(L"preview_none");
  Process scr(install.Scr(), L"/p");
  HWND preview = nullptr;
  ASSERT_TRUE(driver::Wait_For([&] {
    for (HWND w : driver::Windows_Of(scr.Id()))
      if (driver::Title_Of(w) == L"Preview Window") preview = w;
    return preview != nullptr;
  }));
  const RECT r = Rect_Of(preview);
  EXPECT_EQ(r.right - r.left, 0);
  EXPECT_EQ(r.bottom - r.top, 0);
  EXPECT_TRUE(scr.Running());
}
