// The 95 family's path, walked end to end in the prefix that reports the 95 family: the saver painting a
// folder of Japanese file names and asking the password check, the dialog with its list, a kind switch, a
// folder scan, a preview and "設定", the preview in a pane, and the password change. Wine implements every
// wide function, so Wine traces every call, and each wide one that the saver's own code makes must be one that
// the 95 family implements too.
#include <gtest/gtest.h>

#include <sstream>
#include <cstring>
#include <set>

#include "tests/wine/dialog_fixture.h"
#include "tests/wine/ini_bytes.h"

using namespace driver;

namespace {

// The wide functions that work on the 95 family, and the C runtime's calls that fail there harmlessly:
// libgcc makes the semaphores of its thread locks with CreateSemaphoreW, and a lock that is never
// contended (the program has one thread) never waits on one.
const std::set<std::string> Wide_Calls_Allowed{
    "TextOutW", "ExtTextOutW", "GetTextExtentPoint32W", "GetTextExtentPointW", "GetCharWidthW", "MessageBoxW",
    "MessageBoxExW", "MultiByteToWideChar", "WideCharToMultiByte", "lstrlenW", "CreateSemaphoreW"};

// The range of addresses that the saver's image takes when loaded: calls returning there are its own.
std::pair<std::uint32_t, std::uint32_t> Image_Range(const std::wstring& scr) {
  const auto bytes = Read_Bytes(scr);
  const auto& dos = *reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
  const auto& nt = *reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes.data() + dos.e_lfanew);
  return {nt.OptionalHeader.ImageBase, nt.OptionalHeader.ImageBase + nt.OptionalHeader.SizeOfImage};
}

// Checks a trace: the saver's own code, in the program's thread, made calls, and no wide call that the 95
// family lacks.
void Expect_Eight_Bit(const Wine_Trace& trace, std::pair<std::uint32_t, std::uint32_t> image, DWORD thread) {
  std::set<std::string> offending;
  int calls = 0;
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "%04lx:Call ", static_cast<unsigned long>(thread));
  trace.For_Each_Line([&](const std::string& line) {
    // "0024:Call user32.CreateWindowExA(...) ret=0041b77c"
    const auto call = line.find(":Call "), ret = line.rfind(" ret=");
    if (line.compare(0, std::strlen(prefix), prefix) != 0 || ret == std::string::npos) return;
    const auto at = static_cast<std::uint32_t>(std::strtoul(line.c_str() + ret + 5, nullptr, 16));
    if (at < image.first || at >= image.second) return;
    ++calls;
    const auto open = line.find('(', call), dot = line.rfind('.', open);
    const std::string name = line.substr(dot + 1, open - dot - 1);
    if (name.back() == 'W' && !Wide_Calls_Allowed.count(name)) offending.insert(name);
  });
  EXPECT_GT(calls, 100) << "no trace of the saver's calls";
  for (const auto& name : offending) ADD_FAILURE() << "a wide call of the NT family only: " << name;
}

// A colour value's three painted forms: blue alone, blue and green, all three departing from grey.
bool Painted_As(DWORD shown, DWORD c) {
  const DWORD r = c >> 16, g = (c >> 8) & 0xFF, b = c & 0xFF, m = (r + g + b + 1) / 3;
  return shown == c || shown == (m << 16 | m << 8 | b) || shown == (m << 16 | g << 8 | b);
}

}  // namespace

TEST(Family_95, EveryTextGoesThroughTheEightBitFunctions) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  ASSERT_TRUE(GetVersionExA(&info));
  ASSERT_EQ(info.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_WINDOWS)) << "needs the 95-family prefix";
  ASSERT_TRUE(Wine_Trace().Available()) << "run with QV_TRACE (tools/run-wine.sh)";
  Install install(L"family95");
  const auto image = Image_Range(install.Scr());
  const std::wstring folder = install.Path(L"写真");
  CreateDirectoryW(folder.c_str(), nullptr);
  Write_Test_Bmp(folder + L"\\夕焼け.bmp", 320, 240, [](int, int) { return 0xD08040u; });
  Write_Test_Bmp(folder + L"\\港.bmp", 320, 240, [](int, int) { return 0x3080C0u; });
  Write_Settings(install, folder);
  for (const wchar_t* standin : {L"password.cpl", L"mpr.dll"})
    CopyFileW((Build_Dir() + L"\\standins\\" + standin).c_str(), install.Path(standin).c_str(), FALSE);

  {
    SCOPED_TRACE("the saver, and its password check");
    const Wine_Trace trace;
    Process saver(install.Scr(), L"/s", true);
    const HWND window = Wait_For_Window(saver.Id(), L"Quorvantile_Main");
    ASSERT_NE(window, nullptr);
    const RECT centre{512, 384, 513, 385};
    EXPECT_TRUE(Wait_For([&] { return Painted_As(Capture_Screen(centre)[0], 0xD08040); }));  // 夕焼け.bmp
    PostMessageW(window, WM_CLOSE, 0, 0);  // refused by the stand-in
    ASSERT_TRUE(Wait_For([&] { return Exists(install.Path(L"pwdcheck.txt")); }));
    PostMessageW(window, WM_CLOSE, 0, 0);  // accepted
    EXPECT_TRUE(saver.Wait_Exit().has_value());
    Expect_Eight_Bit(trace, image, saver.Main_Thread());
  }
  {
    SCOPED_TRACE("the dialog: its list, a kind switch, a preview, a folder scan and 設定");
    const std::wstring chosen = Desktop_Folder(L"qv98");
    Write_Test_Bmp(chosen + L"\\朝.bmp", 100, 50, [](int, int) { return 0x808080u; });
    const Wine_Trace trace;
    Open_Dialog d(L"family95_dialog", folder, {}, nullptr, true);
    ASSERT_NE(d.window, nullptr);
    EXPECT_EQ(Title_Of(d.Button[0]), L"ﾌｫﾙﾀﾞ指定...");
    EXPECT_EQ(d.Items(), (std::vector<std::wstring>{L"夕焼け.bmp", L"港.bmp"}));
    d.Click(d.Panel, 214, 194);  // *.bmp off: nothing left to list
    EXPECT_TRUE(Wait_For([&] { return d.Items().empty(); }));
    d.Click(d.Panel, 214, 194);  // and on again
    ASSERT_TRUE(Wait_For([&] { return d.Items().size() == 2; }));
    const auto height = static_cast<int>(SendMessageW(d.List, LB_GETITEMHEIGHT, 0, 0));
    d.Click(d.List, 20, height + height / 2);  // 港.bmp
    EXPECT_TRUE(Wait_For([&] {
      RECT r{};
      GetClientRect(d.Pane, &r);
      return r.right == 100 && r.bottom == 75;
    }));
    Choose_Desktop_Folder(d, L"qv98");
    EXPECT_TRUE(Wait_For([&] { return d.Items() == std::vector<std::wstring>{L"朝.bmp"}; }));
    d.Click(d.Pic_C, 280, 350);  // 設定
    ASSERT_TRUE(d.Ended());
    char stored[MAX_PATH * 2] = {};
    WideCharToMultiByte(932, 0, chosen.c_str(), -1, stored, sizeof stored, nullptr, nullptr);
    EXPECT_NE(Without_Sign_Blanks(Read_Bytes(d.install.Ini())).find(Key::Folder + "=" + stored + "\r\n"),
              std::string::npos);
    Expect_Eight_Bit(trace, image, d.scr->Main_Thread());
    Remove_Tree(chosen);
  }
  {
    SCOPED_TRACE("the preview in a pane, and the password change");
    const HWND pane = CreateWindowExW(0, L"STATIC", L"pane", WS_POPUP | WS_VISIBLE, 100, 100, 152, 112, nullptr,
                                      nullptr, nullptr, nullptr);
    const Wine_Trace trace;
    Process preview(install.Scr(), L"/p " + std::to_wstring(reinterpret_cast<INT_PTR>(pane)), true);
    EXPECT_TRUE(Wait_For([&] { return GetWindow(pane, GW_CHILD) != nullptr; }));
    DestroyWindow(pane);
    EXPECT_TRUE(preview.Wait_Exit().has_value());
    Expect_Eight_Bit(trace, image, preview.Main_Thread());
    const Wine_Trace change_trace;
    Process change(install.Scr(), L"/a 1234", true);
    EXPECT_TRUE(change.Wait_Exit().has_value());
    const auto calls = Read_Bytes(install.Path(L"pwdchange.txt"));
    EXPECT_EQ(std::string(calls.begin(), calls.end()), "SCRSAVE 1234 0 0\n");
    Expect_Eight_Bit(change_trace, image, change.Main_Thread());
  }
}
