// The real saver started with each switch: which modes end at once, the single-instance test and the
// password change of the 95 family.
#include <gtest/gtest.h>

#include "tests/wine/driver.h"

using driver::Install;
using driver::Process;

namespace {

// A window of the test's own, standing in for a running saver screen or settings dialog.
class Stand_In_Window {
 public:
  explicit Stand_In_Window(const wchar_t* title)
      : hwnd_(CreateWindowExW(0, L"STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr)) {}
  ~Stand_In_Window() { DestroyWindow(hwnd_); }
  HWND Get() const { return hwnd_; }

 private:
  HWND hwnd_;
};

// A plain visible window playing the display settings' preview pane.
class Pane {
 public:
  Pane(int x, int y, int w, int h)
      : hwnd_(CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"pane", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x, y, w, h, nullptr, nullptr,
                              nullptr, nullptr)) {}
  ~Pane() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }
  HWND Get() const { return hwnd_; }
  std::wstring Handle_Text() const { return std::to_wstring(reinterpret_cast<INT_PTR>(hwnd_)); }
  HWND Child() const { return GetWindow(hwnd_, GW_CHILD); }

 private:
  HWND hwnd_;
};

// Starts the saver with the switch and expects it to end by itself without a window.
void Expect_Ends_At_Once(const Install& install, const std::wstring& arguments) {
  Process scr(install.Scr(), arguments);
  const auto code = scr.Wait_Exit();
  ASSERT_TRUE(code.has_value()) << "still running with '" << std::string(arguments.begin(), arguments.end()) << "'";
  EXPECT_EQ(*code, 0u);
}

}  // namespace

TEST(Modes, OtherSwitchesEndAtOnceAndWriteNothing) {
  Install install(L"modes");
  for (const wchar_t* arguments : {L"/x", L"s", L"-q 12", L"/?"}) Expect_Ends_At_Once(install, arguments);
  EXPECT_FALSE(driver::Exists(install.Ini()));
}

TEST(Single_Instance, ARunningSaverOrDialogEndsEveryStart) {
  Install install(L"single");
  for (const wchar_t* title : {L"Quorvantile_Main", L"Quorvantile\u306E\u8A2D\u5B9A"}) {
    const Stand_In_Window running(title);
    const Pane pane(100, 100, 152, 112);
    for (const wchar_t* arguments : {L"/s", L"/c", L""}) Expect_Ends_At_Once(install, arguments);
    Expect_Ends_At_Once(install, L"/p " + pane.Handle_Text());
    EXPECT_EQ(pane.Child(), nullptr);
  }
}

TEST(Single_Instance, APreviewDoesNotBlockAnotherPreview) {
  Install install(L"single2");
  const Pane first(100, 100, 152, 112), second(300, 100, 152, 112);
  Process one(install.Scr(), L"/p " + first.Handle_Text());
  ASSERT_TRUE(driver::Wait_For([&] { return first.Child() != nullptr; }));
  Process two(install.Scr(), L"/p " + second.Handle_Text());
  EXPECT_TRUE(driver::Wait_For([&] { return second.Child() != nullptr; }));
}

// The stand-in service beside the saver takes the system's place only where Wine is told to prefer it
// (WINEDLLOVERRIDES=mpr=n,b in the environment that Wine starts with; the test runner sets it).
void Expect_Stand_In_Preferred() {
  wchar_t overrides[256] = {};
  GetEnvironmentVariableW(L"WINEDLLOVERRIDES", overrides, 256);
  ASSERT_NE(std::wstring(overrides).find(L"mpr=n"), std::wstring::npos) << "run with WINEDLLOVERRIDES=mpr=n,b";
}

TEST(Password_Change_NT, NothingIsCalledOnTheNtFamily) {
  Expect_Stand_In_Preferred();
  Install install(L"pwd_nt");
  CopyFileW((driver::Build_Dir() + L"\\standins\\mpr.dll").c_str(), install.Path(L"mpr.dll").c_str(), FALSE);
  Expect_Ends_At_Once(install, L"/a 1234");
  EXPECT_FALSE(driver::Exists(install.Path(L"pwdchange.txt")));
}

TEST(Password_Change_95, TheSystemServiceGetsTheKeyAndTheHandle) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  ASSERT_TRUE(GetVersionExA(&info));
  ASSERT_EQ(info.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_WINDOWS)) << "needs the 95-family prefix";
  Expect_Stand_In_Preferred();

  Install install(L"pwd_95");
  CopyFileW((driver::Build_Dir() + L"\\standins\\mpr.dll").c_str(), install.Path(L"mpr.dll").c_str(), FALSE);
  Expect_Ends_At_Once(install, L"/a 1234");
  const auto calls = driver::Read_Bytes(install.Path(L"pwdchange.txt"));
  EXPECT_EQ(std::string(calls.begin(), calls.end()), "SCRSAVE 1234 0 0\n");

  DeleteFileW(install.Path(L"pwdchange.txt").c_str());
  Expect_Ends_At_Once(install, L"/a not-a-handle");
  Expect_Ends_At_Once(install, L"/A");
  EXPECT_FALSE(driver::Exists(install.Path(L"pwdchange.txt")));
}
