// The 95 family's 8-bit path, walked end to end under Wine's trace of every call (Wine implements every wide
// call; the saver's own code may make only those that the 95 family implements too), with its passwords.
// Configurations: Family_95 98
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "tests/wine/fixtures.h"

using namespace driver;

namespace {

bool Family_95() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

// The wide functions that work on the 95 family, and one that fails there harmlessly: libgcc makes the
// semaphores of its thread locks with CreateSemaphoreW, and waits on one only when two threads contend for a
// lock of the runtime's own, which the loader's thread does not take (it raises nothing and starts no static).
const std::set<std::string> Wide_Calls_Allowed{
    "TextOutW",        "ExtTextOutW",   "GetTextExtentPoint32W", "GetTextExtentPointW", "GetCharWidthW",
    "MessageBoxW",     "MessageBoxExW", "MultiByteToWideChar",   "WideCharToMultiByte", "lstrlenW",
    "CreateSemaphoreW"};

// Checks that the saver's own code made calls, and no wide call the 95 family lacks, in the saver's threads: its main
// one and, where named, the others it had once it had read a picture (the loader's among them), which must call too.
// The saver's image spans SizeOfImage bytes from where Wine says it loaded it, in other programs' traces too.
void Expect_Eight_Bit(std::streamoff trace, const std::wstring& scr, DWORD main, const std::vector<DWORD>& more = {}) {
  const std::string bytes = Read_Text(scr);
  const auto& nt = *reinterpret_cast<const IMAGE_NT_HEADERS*>(
      bytes.data() + reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data())->e_lfanew);
  std::uint64_t first = 0;
  std::set<std::string> offending;
  int calls = 0, calls_elsewhere = 0;
  For_Each_Trace_Line(trace, [&](const std::string& line) {
    // "0024:trace:loaddll:build_module Loaded L"C:\qvtest\family95\Quorvantile.scr" at 00400000: native"
    if (const auto at = line.find("Quorvantile.scr\" at ");
        at != std::string::npos && line.find(":loaddll:") != std::string::npos)
      first = std::strtoull(line.c_str() + at + 20, nullptr, 16);
    // "0024:Call user32.CreateWindowExA(...) ret=0041b77c"
    char* end = nullptr;
    const DWORD thread = std::strtoul(line.c_str(), &end, 16);
    const auto ret = line.rfind(" ret=");
    if (line.compare(end - line.c_str(), 6, ":Call ") != 0 || ret == std::string::npos) return;
    if (thread != main && std::find(more.begin(), more.end(), thread) == more.end()) return;
    const std::uint64_t at = std::strtoull(line.c_str() + ret + 5, nullptr, 16);
    if (!first || at < first || at >= first + nt.OptionalHeader.SizeOfImage) return;
    ++(thread == main ? calls : calls_elsewhere);
    const auto open = line.find('('), dot = line.rfind('.', open);
    const std::string name = line.substr(dot + 1, open - dot - 1);
    if (name.back() == 'W' && !Wide_Calls_Allowed.count(name)) offending.insert(name);
  });
  EXPECT_GT(calls, 100) << "no trace of the saver's calls";
  if (!more.empty()) EXPECT_GT(calls_elsewhere, 0) << "no trace of the loader's calls";
  for (const auto& name : offending) ADD_FAILURE() << "a wide call of the NT family only: " << name;
}

}  // namespace

TEST(Family_95, EveryTextGoesThroughTheEightBitFunctions) {
  ASSERT_TRUE(Family_95()) << "needs the 95-family prefix";
  ASSERT_GE(Trace_Length(), 0) << "run with QV_TRACE (tools/run-wine.sh)";
  Install install(L"family95");
  const std::wstring folder = install.Path(L"写真");
  CreateDirectoryW(folder.c_str(), nullptr);
  Write_Test_Bmp(folder + L"\\夕焼け.bmp", 320, 240, [](int, int) { return 0xD08040u; });
  Write_Test_Bmp(folder + L"\\港.bmp", 320, 240, [](int, int) { return 0x3080C0u; });
  Write_Settings(install, folder);
  install.Add_Stand_In(L"password.cpl");
  install.Add_Stand_In(L"mpr.dll");
  {
    SCOPED_TRACE("the saver: its password check refusing a key, once for each key of Alt+F4, then accepting");
    const auto trace = Trace_Length();
    Process saver(install.Scr(), L"/s", true);
    const HWND window = Wait_For_Window(saver.Id(), L"Quorvantile_Main");
    ASSERT_NE(window, nullptr);
    const std::vector<DWORD> sunset{0x858540, 0x858040, 0xD08040};  // 夕焼け.bmp in its three passes
    EXPECT_TRUE(Wait_For([&] {
      return std::count(sunset.begin(), sunset.end(), Capture_Screen({512, 384, 513, 385})[0]);
    }));
    const auto threads = saver.Threads();
    ASSERT_TRUE(Wait_For([&] { return GetForegroundWindow() == window; }));
    Press_Key(VK_SPACE);
    ASSERT_TRUE(Wait_For([&] { return Read_Text(install.Path(L"pwdcheck.txt")) == "refused 1\n"; }));
    for (const auto& [key, up] :
         {std::pair{VK_MENU, 0}, {VK_F4, 0}, {VK_F4, KEYEVENTF_KEYUP}, {VK_MENU, KEYEVENTF_KEYUP}})
      keybd_event(static_cast<BYTE>(key), 0, static_cast<DWORD>(up), 0);
    const std::string three = "refused 1\nrefused 1\nrefused 1\n";
    ASSERT_TRUE(Wait_For([&] { return Read_Text(install.Path(L"pwdcheck.txt")) == three; }));
    for (int i = 0; i < 3; ++i) Sync_With(window);  // a close that followed the keys would ask once more
    EXPECT_EQ(Read_Text(install.Path(L"pwdcheck.txt")), three);
    Write_Bytes(install.Path(L"pwdaccept"), "");
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(saver.Wait_Exit(), 0u);
    EXPECT_EQ(Read_Text(install.Path(L"pwdcheck.txt")), three + "accepted 1\n");
    Expect_Eight_Bit(trace, install.Scr(), saver.Main_Thread(), threads);
  }
  {
    SCOPED_TRACE("the dialog: its list, a preview, a folder scan and 設定");
    const std::wstring chosen = Desktop_Folder(L"qv98");
    Write_Test_Bmp(chosen + L"\\朝.bmp", 100, 50, [](int, int) { return 0x808080u; });
    const auto trace = Trace_Length();
    Open_Dialog d(L"family95_dialog", folder, {}, nullptr, true);
    ASSERT_NE(d.window, nullptr);
    EXPECT_TRUE(Wait_For([&] { return d.Items() == std::vector<std::wstring>{L"夕焼け.bmp", L"港.bmp"}; }));
    d.Click_Item(L"港.bmp");
    EXPECT_TRUE(Wait_For([&] { return Caption_Of(d, Size_Element) == L"320 * 240"; }));
    const auto threads = d.scr->Threads();
    ASSERT_TRUE(Choose_Desktop_Folder(d, L"qv98"));
    EXPECT_TRUE(Wait_For([&] { return d.Items() == std::vector<std::wstring>{L"朝.bmp"}; }));
    d.Click(d.Pic_C, 280, 350);  // 設定
    ASSERT_TRUE(d.Ended());
    char stored[MAX_PATH * 2] = {};
    WideCharToMultiByte(932, 0, chosen.c_str(), -1, stored, sizeof stored, nullptr, nullptr);
    EXPECT_NE(Settings_Text(d.install.Ini()).find(Key::Folder + "=" + stored + "\r\n"), std::string::npos);
    Expect_Eight_Bit(trace, install.Scr(), d.scr->Main_Thread(), threads);
    Remove_Tree(chosen);
  }
  {
    SCOPED_TRACE("the preview, which covers its pane exactly and ends with it, and the password change");
    const HWND pane = CreateWindowExW(0, L"STATIC", L"pane", WS_POPUP | WS_VISIBLE, 100, 100, 152, 112, nullptr,
                                      nullptr, nullptr, nullptr);
    const auto trace = Trace_Length();
    Process preview(install.Scr(), L"/p " + std::to_wstring(reinterpret_cast<INT_PTR>(pane)), true);
    const RECT covered{100, 100, 252, 212};
    EXPECT_TRUE(Wait_For([&] {
      RECT r{};
      return GetWindowRect(GetWindow(pane, GW_CHILD), &r) && EqualRect(&r, &covered);
    }));
    DestroyWindow(pane);
    EXPECT_EQ(preview.Wait_Exit(), 0u) << "the preview outlived its pane";
    Expect_Eight_Bit(trace, install.Scr(), preview.Main_Thread());
    for (const wchar_t* no_handle : {L"/a not-a-handle", L"/A"})
      EXPECT_EQ(Process(install.Scr(), no_handle).Wait_Exit(), 0u) << no_handle;
    EXPECT_FALSE(Exists(install.Path(L"pwdchange.txt")));
    const auto change_trace = Trace_Length();
    Process change(install.Scr(), L"/a 1234", true);
    EXPECT_EQ(change.Wait_Exit(), 0u);
    EXPECT_EQ(Read_Text(install.Path(L"pwdchange.txt")), "SCRSAVE 1234 0 0\n");
    Expect_Eight_Bit(change_trace, install.Scr(), change.Main_Thread());
  }
}
