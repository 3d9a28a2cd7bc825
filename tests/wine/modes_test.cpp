// The real saver started with each switch: the modes that end at once, and the single instance.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "tests/wine/fixtures.h"

using namespace driver;

// The password change's stand-in takes the system's place where Wine prefers it (WINEDLLOVERRIDES=mpr=n,b).
TEST(Modes, OtherSwitchesAndThePasswordChangeOnTheNtFamilyEndAtOnceWritingNothing) {
  Install install(L"modes");
  install.Add_Stand_In(L"mpr.dll");
  for (const wchar_t* arguments : {L"/x", L"s", L"-q 12", L"/?", L"/a 1234"})
    EXPECT_EQ(Process(install.Scr(), arguments).Wait_Exit(), 0u) << arguments;
  EXPECT_FALSE(Exists(install.Ini()));
  EXPECT_FALSE(Exists(install.Path(L"pwdchange.txt")));
}

// Twenty starts of every kind beside the running saver, then dialog, end at once; the running one ends as usual.
TEST(Modes, EveryStartBesideARunningSaverOrDialogEndsAtOnce) {
  for (const bool dialog : {false, true}) {
    std::optional<Running_Saver> saver;
    std::optional<Open_Dialog> d;
    if (dialog)
      d.emplace(L"single_dialog", L"");
    else
      saver.emplace(L"single_saver");
    const Install& install = dialog ? d->install : saver->install;
    const HWND running = dialog ? d->window : saver->window;
    ASSERT_NE(running, nullptr);
    // A window playing the display settings' preview pane, which leaves the keyboard where it is.
    const HWND pane = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                      152, 112, nullptr, nullptr, nullptr, nullptr);
    const std::wstring switches[4] = {L"/s", L"/c", L"", L"/p " + std::to_wstring(reinterpret_cast<INT_PTR>(pane))};
    std::vector<std::unique_ptr<Process>> starts;
    for (int i = 0; i < 20; ++i) starts.push_back(std::make_unique<Process>(install.Scr(), switches[i % 4]));
    for (auto& p : starts) EXPECT_EQ(p->Wait_Exit(), 0u);
    EXPECT_EQ(GetWindow(pane, GW_CHILD), nullptr);
    DestroyWindow(pane);
    ASSERT_TRUE(Wait_For([&] { return GetForegroundWindow() == running; }));
    Press_Key(VK_ESCAPE);
    if (dialog)
      EXPECT_TRUE(d->Ended());
    else
      EXPECT_EQ(saver->scr->Wait_Exit(), 0u);
  }
}
