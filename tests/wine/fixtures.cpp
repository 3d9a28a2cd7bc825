#include "tests/wine/fixtures.h"

#include <gtest/gtest.h>
#include <oleacc.h>
#include <shlobj.h>

#include "toolkit/portable/ansi.h"
#include "toolkit/system/com_ptr.h"

namespace driver {
namespace {

std::string Settings_Lines(const std::string& sign, const std::string& folder, const Saver_Settings& s) {
  std::string text = "[Section]\r\n" + Key::Change + "=" + sign + std::to_string(s.Change_Mode) + "\r\n" + Key::Size +
                     "=" + sign + std::to_string(s.Size_Mode) + "\r\n" + Key::Folder + "=" + folder + "\r\n";
  for (int i = 0; i < 5; ++i)
    text += Key::Kind(i) + "=" + sign + std::to_string(s.Kind_Flag[static_cast<std::size_t>(i)]) + "\r\n";
  for (const auto& [key, value] : {std::pair{Key::Paint_Time, s.Paint_Seconds}, {Key::Hold_Time, s.Hold_Seconds},
                                    {Key::Sub_Folders, s.Sub_Folders}})
    if (value) text += key + "=" + sign + std::to_string(*value) + "\r\n";
  return text;
}

// The first visible window of a class among the parent's own children.
HWND Child(HWND parent, const wchar_t* cls) {
  for (HWND h = FindWindowExW(parent, nullptr, cls, nullptr); h; h = FindWindowExW(parent, h, cls, nullptr))
    if (IsWindowVisible(h)) return h;
  return nullptr;
}

}  // namespace

void Write_Settings(const Install& install, const std::wstring& folder, const Saver_Settings& s) {
  Write_Bytes(install.Ini(), Settings_Lines(" ", toolkit::To_Ansi(folder), s));
}

std::string Expected_File(const std::string& folder, const Saver_Settings& s) { return Settings_Lines("", folder, s); }

std::string Settings_Text(const std::wstring& ini) {
  std::string text = Read_Text(ini);
  for (std::size_t at = text.find("= "); at != std::string::npos; at = text.find("= ", at + 1)) text.erase(at + 1, 1);
  return text;
}

bool Near(DWORD colour, DWORD meant) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>((colour >> shift & 0xFF) - (meant >> shift & 0xFF))) > 24) return false;
  return true;
}

DWORD Pattern(int x, int y) {
  return static_cast<DWORD>(((x * 7) & 0xFF) << 16 | ((y * 5) & 0xFF) << 8 | (((x / 37) * 13 + (y / 41) * 29) & 0xFF));
}

Running_Saver::Running_Saver(const std::wstring& name, const Saver_Settings& settings,
                             const std::function<void(const Install&)>& before_start, const std::wstring& arguments)
    : install(name) {
  CreateDirectoryW(install.Path(L"pics").c_str(), nullptr);
  Write_Test_Bmp(install.Path(L"pics\\one.bmp"), 640, 480, [](int, int) { return Saver_Colour; });
  Write_Settings(install, install.Path(L"pics"), settings);
  if (before_start) before_start(install);
  scr.emplace(install.Scr(), arguments);
  window = Wait_For_Window(scr->Id(), L"Quorvantile_Main");
}

Open_Dialog::Open_Dialog(const std::wstring& name, const std::wstring& folder, const Saver_Settings& settings,
                         const std::function<void(const Install&)>& before_start, bool traced)
    : install(name) {
  Write_Settings(install, folder, settings);
  if (before_start) before_start(install);
  scr.emplace(install.Scr(), L"/c", traced);
  const HWND dialog = Wait_For_Window(scr->Id(), L"Quorvantileの設定");
  // Shown, and with the keyboard, so that the first click or key reaches it.
  View(dialog && Wait_For([&] { return IsWindowVisible(dialog) && GetForegroundWindow() == dialog; }) ? dialog
                                                                                                      : nullptr);
}

void Dialog_View::View(HWND dialog) {
  window = dialog;
  Pic_C = Child(window, L"Quorvantile_PictureBox");
  Panel = Child(Pic_C, L"Quorvantile_PictureBox");
  Pane = FindWindowExW(Panel, nullptr, L"Quorvantile_PictureBox", nullptr);
  List = Child(Panel, L"ListBox");
  Folder = FindWindowExW(Panel, Child(Panel, L"Static"), L"Static", nullptr);  // after the count
}

std::vector<DWORD> Dialog_View::Pixels(HWND holder, RECT r) const {
  MapWindowPoints(holder, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return Capture_Screen(r);
}

void Dialog_View::Click(HWND holder, int x, int y, bool right) const {
  POINT p{x, y};
  ClientToScreen(holder, &p);
  Click_At(p.x, p.y, right);
  Sync();
}

// Once the list shows the item: the dialog fills it a share at a time.
void Dialog_View::Click_Item(const std::wstring& name) const {
  std::vector<std::wstring> items;
  ASSERT_TRUE(Wait_For([&] {
    items = Items();
    return std::find(items.begin(), items.end(), name) != items.end();
  })) << "no item "
      << toolkit::To_Ansi(name);
  const auto at = std::find(items.begin(), items.end(), name) - items.begin();
  const auto height = static_cast<int>(Ask(List, LB_GETITEMHEIGHT));
  Click(List, 20, static_cast<int>(at) * height + height / 2);
  EXPECT_TRUE(Wait_For([&] { return Ask(List, LB_GETCURSEL) == at; }));
  Sync();
}

std::vector<std::wstring> Dialog_View::Items() const {
  std::vector<std::wstring> items;
  for (LRESULT i = 0, count = Ask(List, LB_GETCOUNT); i < count; ++i) {
    wchar_t text[512] = {};
    Ask(List, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    items.emplace_back(text);
  }
  return items;
}

// Each option of the panel, then each text, as a screen reader is told of it. Wine's oleacc has no proxies for the
// system's buttons and texts, and tells of each as a client named by its text: there the role and state are read as
// the proxies of Windows read them, from the class, the button's style and check, and the focus of its thread.
std::vector<Element> Panel_Elements(const Dialog_View& d) {
  CoInitialize(nullptr);  // once for the driver's thread; later calls only count
  std::vector<Element> options, texts;
  for (HWND child = GetWindow(d.Panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    toolkit::Com_Ptr<IAccessible> object;
    if (FAILED(AccessibleObjectFromWindow(child, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(object.Put()))))
      continue;
    VARIANT self{}, role{}, state{};
    self.vt = VT_I4;  // CHILDID_SELF
    BSTR name = nullptr;
    object->get_accRole(self, &role);
    object->get_accState(self, &state);
    object->get_accName(self, &name);
    Element e{role.lVal, state.lVal, name ? name : L""};
    SysFreeString(name);
    wchar_t cls[16] = {};
    GetClassNameW(child, cls, 16);
    const auto type = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(child, nullptr), &gui);
    if (e.Role == ROLE_SYSTEM_CLIENT && _wcsicmp(cls, L"Static") == 0) e.Role = ROLE_SYSTEM_STATICTEXT;
    if (e.Role == ROLE_SYSTEM_CLIENT && _wcsicmp(cls, L"Button") == 0 && type != BS_OWNERDRAW) {
      e.Role = type == BS_AUTORADIOBUTTON ? ROLE_SYSTEM_RADIOBUTTON : ROLE_SYSTEM_CHECKBUTTON;
      e.State = (Ask(child, BM_GETCHECK) == BST_CHECKED ? STATE_SYSTEM_CHECKED : 0) |
                (gui.hwndFocus == child ? STATE_SYSTEM_FOCUSED : 0);
    }
    if (e.Role == ROLE_SYSTEM_CHECKBUTTON || e.Role == ROLE_SYSTEM_RADIOBUTTON) options.push_back(e);
    if (e.Role == ROLE_SYSTEM_STATICTEXT) texts.push_back(e);
  }
  options.insert(options.end(), texts.begin(), texts.end());
  return options;
}

std::wstring Caption_Of(const Dialog_View& d, Panel_Element element) {
  const auto all = Panel_Elements(d);
  return static_cast<std::size_t>(element) < all.size() ? all[static_cast<std::size_t>(element)].Name : L"?";
}

std::wstring Desktop_Folder(const std::wstring& name) {
  wchar_t desktop[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
  const std::wstring folder = std::wstring(desktop) + L"\\" + name;
  Remove_Tree(folder);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

// A busy machine may type too slowly for the tree to find the name: the chooser is asked again, until it works.
// Cancelling goes to the chooser itself, so that it can never reach the dialog after the chooser has closed.
testing::AssertionResult Choose_Desktop_Folder(const Open_Dialog& d, const std::wstring& name) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    d.Click(d.Panel, 60, 50);  // ﾌｫﾙﾀﾞ指定...
    HWND chooser = nullptr;
    if (!Wait_For(
            [&] { return (chooser = Window_Of(d.scr->Id(), L"#32770", nullptr)) && GetForegroundWindow() == chooser; }))
      return testing::AssertionFailure() << "no folder chooser came up";
    RECT r{};
    GetWindowRect(FindWindowExW(chooser, nullptr, L"SysTreeView32", nullptr), &r);
    Click_At(r.left + 20, r.bottom - 10);  // into the tree, on no item
    for (const wchar_t c : name) Press_Key(static_cast<WORD>(LOBYTE(VkKeyScanW(c))));
    if (name.empty())
      PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
    else
      Press_Key(VK_RETURN);
    // On no folder, OK is off and Enter does nothing: the chooser is cancelled.
    if (!Wait_For([&] { return !IsWindow(chooser); }, 5000)) PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
    if (!Wait_For([&] { return !IsWindow(chooser); })) return testing::AssertionFailure() << "the chooser stayed open";
    wchar_t shown[MAX_PATH] = {};
    if (name.empty() || Wait_For([&] {
          Ask(d.Folder, WM_GETTEXT, MAX_PATH, reinterpret_cast<LPARAM>(shown));
          return std::wstring(shown).ends_with(L"\\" + name);
        }, 5000))
      return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "the chooser never took the folder " << toolkit::To_Ansi(name);
}

}  // namespace driver
