#pragma once
// What a screen reader is told about a window that draws its own controls: the window as one element, with
// the controls it draws as its children. The answer to WM_GETOBJECT; oleacc.dll is looked up at run time, so
// that the program still starts where it is missing (Windows 95).
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace toolkit {

// IAccessible's interface id, defined here: in a 64-bit MinGW link the library's IID_IAccessible can resolve to
// an import thunk instead of the id.
inline constexpr IID Iid_IAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

struct Accessible_Item {
  long Role = 0;  // ROLE_SYSTEM_CHECKBUTTON, ROLE_SYSTEM_RADIOBUTTON, ROLE_SYSTEM_STATICTEXT, ...
  std::function<std::wstring()> Name;
  std::function<long()> State;  // STATE_SYSTEM_CHECKED, STATE_SYSTEM_FOCUSED, ...; none when empty
  std::function<RECT()> Place;  // on the screen
};

struct Accessible_Tree {
  Accessible_Item Self;
  std::vector<Accessible_Item> Children;
};

// The window's answer to WM_GETOBJECT: the tree for its client area, the system's default for the rest.
LRESULT Answer_Get_Object(HWND hwnd, WPARAM wp, LPARAM lp, const Accessible_Tree& tree);

}  // namespace toolkit
