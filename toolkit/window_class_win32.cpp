#include "toolkit/window_class.h"

#include <set>
#include <string>

namespace toolkit {

const wchar_t* Window_Class(const wchar_t* name, WNDPROC procedure) {
  static std::set<std::wstring> registered;
  if (registered.insert(name).second) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    wc.lpszClassName = name;
    RegisterClassW(&wc);
  }
  return name;
}

}  // namespace toolkit
