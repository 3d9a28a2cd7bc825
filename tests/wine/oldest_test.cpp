// The oldest systems, walked end to end under Wine's trace of every call: the 95 family's 8-bit path with its
// passwords in Wine's Windows 98 mode, and the NT family's in its Windows 2000 mode. Wine takes what those systems
// refuse; the saver's own code may make only the wide calls that the 95 family implements, and no call with an
// argument that the system refuses or treats otherwise (toolkit/system/oldest_arguments.h).
// Configurations: Oldest_Windows 98 2000
#include <gtest/gtest.h>
#include <objbase.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

#include "tests/wine/fixtures.h"
#include "toolkit/system/oldest_arguments.h"

using namespace driver;
namespace Oldest = toolkit::Oldest;

namespace {

bool Family_95() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

// The wide functions that work on the 95 family, and one that fails there harmlessly: libgcc makes the semaphores
// of its thread locks with CreateSemaphoreW, and waits on one only when two threads contend for a lock of the
// runtime's own, which the worker does not take (it raises nothing and starts no static).
const std::set<std::string> Wide_Calls_Allowed{
    "TextOutW",        "ExtTextOutW",   "GetTextExtentPoint32W", "GetTextExtentPointW", "GetCharWidthW",
    "MessageBoxW",     "MessageBoxExW", "MultiByteToWideChar",   "WideCharToMultiByte", "lstrlenW",
    "CreateSemaphoreW"};

// A call's arguments as the trace gives them: each the number it starts with ("01ad5a30 \"Quorvantile\"").
std::vector<std::uint64_t> Arguments(const std::string& list) {
  std::vector<std::uint64_t> args;
  bool quoted = false, starts = true;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (quoted) {
      quoted = list[i] != '"';
      i += list[i] == '\\';
    } else if (list[i] == '"' || list[i] == ',') {
      quoted = list[i] == '"';
      starts = starts || list[i] == ',';
    } else if (starts) {
      args.push_back(std::strtoull(list.c_str() + i, nullptr, 16));
      starts = false;
    }
  }
  return args;
}

bool Named(const std::string& call, const char* function) {
  for (const std::string& f : {std::string(function), function + std::string("Ptr")})
    if (call == f || call == f + "A" || call == f + "W") return true;
  return false;
}

struct Reading {
  int Main_Calls = 0, Other_Calls = 0, Message_Waits = 0;
  std::set<std::string> Wide_Calls, Faults;
  enum class Apartment { None, Single, Multi };
  std::map<DWORD, Apartment> Apartments;
};

// The program's own calls and what they made, in the threads named: its main one and the others it had once it had
// read a picture (the worker's among them). The saver's image spans SizeOfImage bytes from where Wine says it loaded
// it, in other programs' traces too.
Reading Read_Trace(std::streamoff trace, const std::wstring& scr, DWORD main, const std::vector<DWORD>& more) {
  const std::string bytes = Read_Text(scr);
  const auto& nt = *reinterpret_cast<const IMAGE_NT_HEADERS*>(
      bytes.data() + reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data())->e_lfanew);
  const bool family_95 = Family_95();
  const char* const system = family_95 ? "Windows 98" : "Windows 2000";
  std::uint64_t first = 0;
  Reading r;
  std::map<DWORD, std::vector<std::string>> open;  // each thread's calls of the program under way, innermost last
  const auto fault = [&](const Oldest::Argument_Row& row, const std::string& what) {
    r.Faults.insert(what + ", which " + system + " refuses or treats otherwise (oldest: " + row.Oldest +
                    "; the program's way: " + row.Instead + ")");
  };
  const auto check = [&](DWORD thread, const std::string& name, const std::vector<std::uint64_t>& args) {
    for (const Oldest::Argument_Row& row : Oldest::Argument_Rows) {
      if (row.Where == Oldest::Systems::Family_95 && !family_95) continue;
      if (row.How == Oldest::Check::Waits_In_Single) {
        static const std::map<std::string, std::size_t> waits{{"WaitForSingleObject", 1}, {"WaitForSingleObjectEx", 1},
                                                              {"WaitForMultipleObjects", 2},
                                                              {"WaitForMultipleObjectsEx", 2}, {"Sleep", 0},
                                                              {"SleepEx", 0}};
        const auto wait = waits.find(name);
        if (wait != waits.end() && r.Apartments[thread] == Reading::Apartment::Single && wait->second < args.size() &&
            static_cast<std::uint32_t>(args[wait->second]) != 0)
          fault(row, "a thread of a single-threaded apartment waits in " + name + ", taking no messages");
        continue;
      }
      if (row.Argument < 0 || !Named(name, row.Function) || static_cast<std::size_t>(row.Argument) >= args.size())
        continue;
      if (row.When_Argument >= 0 && (static_cast<std::size_t>(row.When_Argument) >= args.size() ||
                                     static_cast<std::uint32_t>(args[row.When_Argument]) != row.When_Value))
        continue;
      const auto value = static_cast<std::uint32_t>(args[row.Argument]);
      const bool refused = row.How == Oldest::Check::Any_Bit ? (value & row.Value) != 0
                           : row.How == Oldest::Check::Is ? value == row.Value
                                                          : std::find(row.Listed.begin(), row.Listed.end(), value) ==
                                                                row.Listed.end();
      char text[160];
      std::snprintf(text, sizeof text, "%s with argument %d = 0x%x", name.c_str(), row.Argument + 1, value);
      if (refused) fault(row, text);
    }
  };
  For_Each_Trace_Line(trace, [&](const std::string& line) {
    // "0024:trace:loaddll:build_module Loaded L"C:\qvtest\oldest\Quorvantile.scr" at 00400000: native"
    if (const auto at = line.find("Quorvantile.scr\" at ");
        at != std::string::npos && line.find(":loaddll:") != std::string::npos)
      first = std::strtoull(line.c_str() + at + 20, nullptr, 16);
    char* end = nullptr;
    const DWORD thread = std::strtoul(line.c_str(), &end, 16);
    if (thread != main && std::find(more.begin(), more.end(), thread) == more.end()) return;
    const std::string kind = line.substr(end - line.c_str(), 6);
    // Within a call, "0024:trace:bitmap:NtGdiCreateBitmap 2880x1800, bpp 32 planes 1: returning 0x1090034", or
    // "0024:trace:bitmap:NtGdiCreateCompatibleBitmap (0x1410047,2880,1800)", which Wine may make a DIB section of
    // where the systems make a device's bitmap, as deep as the screen's 32 bits at most.
    int w = 0, h = 0, bpp = 32;
    if (!open[thread].empty() && family_95 &&
        (std::sscanf(end, ":trace:bitmap:NtGdiCreateBitmap %dx%d, bpp %d", &w, &h, &bpp) == 3 ||
         std::sscanf(end, ":trace:bitmap:NtGdiCreateCompatibleBitmap (%*x,%d,%d)", &w, &h) == 2))
      for (const Oldest::Argument_Row& row : Oldest::Argument_Rows)
        if (row.How == Oldest::Check::Bitmap_Over && 1LL * w * h * bpp / 8 > row.Value)
          fault(row, open[thread].back() + " made a device-dependent bitmap of " + std::to_string(w) + " x " +
                         std::to_string(h) + " at " + std::to_string(bpp) + " bits");
    // "0024:Call user32.CreateWindowExA(...) ret=0041b77c", "0024:Ret  user32.CreateWindowExA() retval=..."
    const auto ret = line.rfind(" ret=");
    if ((kind != ":Call " && kind != ":Ret  ") || ret == std::string::npos) return;
    const std::uint64_t at = std::strtoull(line.c_str() + ret + 5, nullptr, 16);
    if (!first || at < first || at >= first + nt.OptionalHeader.SizeOfImage) return;
    const auto paren = line.find('('), dot = line.rfind('.', paren);
    const std::string name = line.substr(dot + 1, paren - dot - 1);
    if (kind == ":Ret  ") {
      if (!open[thread].empty() && open[thread].back() == name) open[thread].pop_back();
      return;
    }
    open[thread].push_back(name);
    ++(thread == main ? r.Main_Calls : r.Other_Calls);
    if (name.back() == 'W' && !Wide_Calls_Allowed.count(name)) r.Wide_Calls.insert(name);
    const auto args = Arguments(line.substr(paren + 1, line.rfind(')', ret) - paren - 1));
    if (name == "CoInitialize" || name == "OleInitialize" || name == "CoInitializeEx")
      r.Apartments[thread] = name == "CoInitializeEx" && args.size() > 1 && !(args[1] & COINIT_APARTMENTTHREADED)
                                 ? Reading::Apartment::Multi
                                 : Reading::Apartment::Single;
    if (thread == main && name.starts_with("MsgWaitForMultipleObjects")) ++r.Message_Waits;
    check(thread, name, args);
  });
  return r;
}

// What the program's calls in the trace must show: calls, the message loop's waits where it ran one, and none that
// the system refuses; on the 95 family no wide call it lacks. The other threads named must have called too, and the
// worker's entered an apartment.
void Expect_Calls_Fit(std::streamoff trace, const std::wstring& scr, DWORD main, const std::vector<DWORD>& more = {},
                      bool looped = true) {
  const Reading r = Read_Trace(trace, scr, main, more);
  EXPECT_GT(r.Main_Calls, 100) << "no trace of the saver's calls";
  if (looped) {
    EXPECT_GT(r.Message_Waits, 0) << "no wait of the message loop in the trace";
  }
  if (!more.empty()) {
    EXPECT_GT(r.Other_Calls, 0) << "no trace of the worker's calls";
    EXPECT_TRUE(std::any_of(more.begin(), more.end(), [&](DWORD t) { return r.Apartments.count(t) != 0; }))
        << "the worker entered no apartment";
  }
  if (Family_95())
    for (const auto& name : r.Wide_Calls) ADD_FAILURE() << "a wide call of the NT family only: " << name;
  for (const auto& what : r.Faults) ADD_FAILURE() << what;
}

}  // namespace

TEST(Oldest_Windows, EveryCallFitsTheSystemFromTheSaverToTheDialogAndThePreview) {
  ASSERT_GE(Trace_Length(), 0) << "run with QV_TRACE (tools/run-wine.sh)";
  const bool family_95 = Family_95();
  Install install(L"oldest");
  const std::wstring folder = install.Path(L"写真");
  CreateDirectoryW(folder.c_str(), nullptr);
  Write_Test_Bmp(folder + L"\\夕焼け.bmp", 320, 240, [](int, int) { return 0xD08040u; });
  Write_Test_Bmp(folder + L"\\港.bmp", 320, 240, [](int, int) { return 0x3080C0u; });
  // Fitted: the working picture then has the screen's size, past the 95 family's limit of a device's bitmap. Revealed
  // in a second: the message loop waits between two frames.
  Write_Settings(install, folder, {0, 1, {1, 1, 1, 1, 1}, 1, 1});
  install.Add_Stand_In(L"password.cpl");
  install.Add_Stand_In(L"mpr.dll");
  {
    SCOPED_TRACE("the saver: on the 95 family its password check refusing a key, once for each key of Alt+F4");
    const auto trace = Trace_Length();
    Process saver(install.Scr(), L"/s", true);
    const HWND window = Wait_For_Window(saver.Id(), L"Quorvantile_Main");
    ASSERT_NE(window, nullptr);
    const std::vector<DWORD> sunset{0x858540, 0x858040, 0xD08040};  // 夕焼け.bmp in its three passes
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    EXPECT_TRUE(Wait_For([&] { return std::count(sunset.begin(), sunset.end(), Capture_Screen({x, y, x + 1, y + 1})[0]); }));
    const auto threads = saver.Threads();
    ASSERT_TRUE(Wait_For([&] { return GetForegroundWindow() == window; }));
    if (family_95) {
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
    } else {
      Press_Key(VK_SPACE);
      EXPECT_EQ(saver.Wait_Exit(), 0u);
      EXPECT_FALSE(Exists(install.Path(L"pwdcheck.txt"))) << "the NT family asked the 95 family's password check";
    }
    Expect_Calls_Fit(trace, install.Scr(), saver.Main_Thread(), threads);
  }
  {
    SCOPED_TRACE("the dialog: its list, a preview, a folder scan and 設定");
    const std::wstring chosen = Desktop_Folder(L"qvold");
    Write_Test_Bmp(chosen + L"\\朝.bmp", 100, 50, [](int, int) { return 0x808080u; });
    const auto trace = Trace_Length();
    Open_Dialog d(L"oldest_dialog", folder, {}, nullptr, true);
    ASSERT_NE(d.window, nullptr);
    EXPECT_TRUE(Wait_For([&] { return d.Items() == std::vector<std::wstring>{L"夕焼け.bmp", L"港.bmp"}; }));
    d.Click_Item(L"港.bmp");
    EXPECT_TRUE(Wait_For([&] { return Caption_Of(d, Size_Element) == L"320 * 240"; }));
    const auto threads = d.scr->Threads();
    ASSERT_TRUE(Choose_Desktop_Folder(d, L"qvold"));
    EXPECT_TRUE(Wait_For([&] { return d.Items() == std::vector<std::wstring>{L"朝.bmp"}; }));
    d.Click(d.Pic_C, 280, 350);  // 設定
    ASSERT_TRUE(d.Ended());
    char stored[MAX_PATH * 2] = {};
    WideCharToMultiByte(932, 0, chosen.c_str(), -1, stored, sizeof stored, nullptr, nullptr);
    EXPECT_NE(Settings_Text(d.install.Ini()).find(Key::Folder + "=" + stored + "\r\n"), std::string::npos);
    Expect_Calls_Fit(trace, install.Scr(), d.scr->Main_Thread(), threads);
    Remove_Tree(chosen);
  }
  {
    SCOPED_TRACE("the preview, which covers its pane exactly, its picture scaled, and ends with it; the password change");
    const HWND pane = CreateWindowExW(0, L"STATIC", L"pane", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150, nullptr,
                                      nullptr, nullptr, nullptr);
    const auto trace = Trace_Length();
    Process preview(install.Scr(), L"/p " + std::to_wstring(reinterpret_cast<INT_PTR>(pane)), true);
    const RECT covered{100, 100, 300, 250};
    EXPECT_TRUE(Wait_For([&] {
      RECT r{};
      return GetWindowRect(GetWindow(pane, GW_CHILD), &r) && EqualRect(&r, &covered);
    }));
    DestroyWindow(pane);
    EXPECT_EQ(preview.Wait_Exit(), 0u) << "the preview outlived its pane";
    Expect_Calls_Fit(trace, install.Scr(), preview.Main_Thread());
    if (!family_95) return;
    for (const wchar_t* no_handle : {L"/a not-a-handle", L"/A"})
      EXPECT_EQ(Process(install.Scr(), no_handle).Wait_Exit(), 0u) << no_handle;
    EXPECT_FALSE(Exists(install.Path(L"pwdchange.txt")));
    const auto change_trace = Trace_Length();
    Process change(install.Scr(), L"/a 1234", true);
    EXPECT_EQ(change.Wait_Exit(), 0u);
    EXPECT_EQ(Read_Text(install.Path(L"pwdchange.txt")), "SCRSAVE 1234 0 0\n");
    Expect_Calls_Fit(change_trace, install.Scr(), change.Main_Thread(), {}, false);
  }
}
