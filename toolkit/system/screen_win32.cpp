#include "toolkit/system/screen.h"

#include "toolkit/system/gdi.h"
#include "toolkit/system/optional_entries.h"
#include "toolkit/system/system_text.h"

namespace toolkit {

Screen_Area Primary_Screen() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

Screen_Area Virtual_Screen() {
  const Screen_Area all{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                        GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  return all.W > 0 && all.H > 0 ? all : Primary_Screen();
}

namespace {

BOOL CALLBACK Take_Monitor(HMONITOR monitor, HDC, RECT*, LPARAM into) {
  RECT r{};
  bool primary = false;
  if (Monitor_Area(monitor, r, primary)) {
    auto& found = *reinterpret_cast<std::vector<Screen_Area>*>(into);
    found.insert(primary ? found.begin() : found.end(), {r.left, r.top, r.right - r.left, r.bottom - r.top});
  }
  return TRUE;
}

}  // namespace

std::vector<Screen_Area> Monitors() {
  std::vector<Screen_Area> found;
  EnumDisplayMonitors(nullptr, nullptr, Take_Monitor, reinterpret_cast<LPARAM>(&found));
  if (found.empty()) found.push_back(Primary_Screen());
  return found;
}

Dots_Per_Inch Screen_Dpi() {
  static const Dots_Per_Inch dpi = [] {
    const Window_Dc screen(nullptr);
    const int x = GetDeviceCaps(screen.Get(), LOGPIXELSX), y = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return Dots_Per_Inch{x > 0 ? x : 96, y > 0 ? y : 96};
  }();
  return dpi;
}

int Window_Dpi(HWND hwnd) {
  // Windows 10 (1607) and later know each monitor's dpi.
  const auto get = Entry_Point(Optional::GetDpiForWindow);
  const UINT dpi = get && hwnd ? get(hwnd) : 0;
  return dpi > 0 ? static_cast<int>(dpi) : System_Dpi();
}

}  // namespace toolkit
