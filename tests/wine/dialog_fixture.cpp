#include "tests/wine/dialog_fixture.h"

#include <gtest/gtest.h>
#include <oleacc.h>
#include <shlobj.h>

#include "resources/resource_ids.h"
#include "toolkit/com_ptr.h"
#include "toolkit/gdi.h"

namespace driver {
namespace {

std::wstring Class_Of(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

struct Children {
  std::vector<HWND> All;
};

BOOL CALLBACK Collect_Child(HWND hwnd, LPARAM lp) {
  reinterpret_cast<Children*>(lp)->All.push_back(hwnd);
  return TRUE;
}

}  // namespace

Open_Dialog::Open_Dialog(const std::wstring& name, const std::wstring& folder, const Saver_Settings& settings,
                         const std::function<void(const Install&)>& before_start, bool traced)
    : install(name) {
  Write_Settings(install, folder, settings);
  if (before_start) before_start(install);
  scr.emplace(install.Scr(), L"/c", traced);
  window = Wait_For_Window(scr->Id(), L"Quorvantileの設定");
  if (!window || !Wait_For([&] { return IsWindowVisible(window) != 0; })) return;
  Children c;
  EnumChildWindows(window, Collect_Child, reinterpret_cast<LPARAM>(&c));
  for (HWND h : c.All) {
    const std::wstring cls = Class_Of(h);
    const HWND parent = GetParent(h);
    if (cls == L"Quorvantile_PictureBox" && IsWindowVisible(h)) {
      if (parent == window) Pic_C = h;
    } else if (cls == L"ListBox") {
      List = h;
    }
  }
  for (HWND h : c.All) {
    if (Class_Of(h) == L"Quorvantile_PictureBox" && GetParent(h) == Pic_C) Panel = h;
  }
  for (HWND h : c.All) {
    if (Class_Of(h) == L"Quorvantile_PictureBox" && GetParent(h) == Panel) Pane = h;
    if (Class_Of(h) == L"Quorvantile_Button") {
      const std::wstring caption = Title_Of(h);
      const wchar_t* captions[4] = {L"ﾌｫﾙﾀﾞ指定...", L"ｸﾘｱ", L"設定", L"ｷｬﾝｾﾙ"};
      for (int i = 0; i < 4; ++i)
        if (caption == captions[i]) Button[i] = h;
    }
  }
}

POINT Open_Dialog::On_Screen(HWND holder, int x, int y) const {
  POINT p{x, y};
  ClientToScreen(holder, &p);
  return p;
}

RECT Open_Dialog::On_Screen(HWND holder, RECT r) const {
  const POINT a = On_Screen(holder, r.left, r.top);
  return {a.x, a.y, a.x + (r.right - r.left), a.y + (r.bottom - r.top)};
}

void Open_Dialog::Click(HWND holder, int x, int y, bool right) const {
  const POINT p = On_Screen(holder, x, y);
  Move_Mouse_To(p.x, p.y);
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
  Sync();
}

std::vector<std::wstring> Open_Dialog::Items() const {
  std::vector<std::wstring> items;
  const auto count = SendMessageW(List, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t text[512] = {};
    SendMessageW(List, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    items.emplace_back(text);
  }
  return items;
}

std::vector<Element> Panel_Elements(const Open_Dialog& d) {
  CoInitialize(nullptr);  // once for the driver's thread; later calls only count
  toolkit::Com_Ptr<IAccessible> panel;
  if (FAILED(AccessibleObjectFromWindow(d.Panel, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(panel.Put()))))
    return {};
  long count = 0;
  panel->get_accChildCount(&count);
  std::vector<Element> found;
  for (long i = 1; i <= count; ++i) {
    VARIANT id{}, role{}, state{};
    id.vt = VT_I4;
    id.lVal = i;
    BSTR name = nullptr;
    panel->get_accRole(id, &role);
    panel->get_accState(id, &state);
    panel->get_accName(id, &name);
    found.push_back({role.lVal, state.lVal, name ? name : L""});
    SysFreeString(name);
  }
  return found;
}

std::wstring Caption_Of(const Open_Dialog& d, Panel_Element element) {
  const auto all = Panel_Elements(d);
  return static_cast<std::size_t>(element) < all.size() ? all[static_cast<std::size_t>(element)].Name : L"?";
}

HWND Visible_Dialog_Box(DWORD process_id) {
  for (HWND w : Windows_Of(process_id)) {
    wchar_t cls[16] = {};
    GetClassNameW(w, cls, 16);
    if (IsWindowVisible(w) && std::wstring(cls) == L"#32770") return w;
  }
  return nullptr;
}

std::wstring Desktop_Folder(const std::wstring& name) {
  wchar_t desktop[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
  const std::wstring folder = std::wstring(desktop) + L"\\" + name;
  Remove_Tree(folder);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

void Choose_Desktop_Folder(const Open_Dialog& d, const std::wstring& name) {
  d.Click(d.Panel, 60, 50);  // ﾌｫﾙﾀﾞ指定...
  HWND chooser = nullptr;
  ASSERT_TRUE(Wait_For([&] { return (chooser = Visible_Dialog_Box(d.scr->Id())) != nullptr; }));
  ASSERT_TRUE(Wait_For([&] { return GetForegroundWindow() == chooser; }));
  RECT r{};
  GetWindowRect(FindWindowExW(chooser, nullptr, L"SysTreeView32", nullptr), &r);
  Click_At(r.left + 20, r.bottom - 10);  // into the tree, on no item
  for (const wchar_t c : name) Press_Key(static_cast<WORD>(LOBYTE(VkKeyScanW(c))));
  Press_Key(VK_RETURN);
  ASSERT_TRUE(Wait_For([&] { return !IsWindow(chooser); }));
}

std::vector<DWORD> Stored_Picture(const std::wstring& scr, int id, int w, int h) {
  const HMODULE module = LoadLibraryExW(scr.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  const HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));
  const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(module, info)));
  std::vector<unsigned char> bytes(data, data + SizeofResource(module, info));
  FreeLibrary(module);
  return Render_Picture(bytes, w, h);
}

std::vector<DWORD> Expected_Label(const std::wstring& caption, int w, int h, toolkit::Alignment align, bool border,
                                  bool white, const std::vector<DWORD>& beneath) {
  LOGFONTW lf{};
  lf.lfHeight = -13;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpyW(lf.lfFaceName, L"ＭＳ Ｐゴシック");
  const toolkit::Font font(CreateFontIndirectW(&lf));
  toolkit::Label label;
  label.Move(0, 0, w, h);
  label.Set_Caption(caption);
  label.Align = align;
  label.Border = border;
  label.Transparent = !white;
  label.Font = font.Get();
  return Draw_To_Pixels(w, h, [&](HDC dc) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    if (!beneath.empty()) SetDIBitsToDevice(dc, 0, 0, w, h, 0, 0, 0, h, beneath.data(), &bi, DIB_RGB_COLORS);
    label.Paint(dc);
  });
}

std::vector<DWORD> Texture_Under(const std::wstring& scr, RECT r) {
  const auto tile = Stored_Picture(scr, Res_Texture, 563, 21);
  std::vector<DWORD> out;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) out.push_back(tile[static_cast<std::size_t>(y % 21) * 563 + x % 563]);
  return out;
}

}  // namespace driver
