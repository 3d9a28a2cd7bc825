#include "toolkit/app.h"

namespace toolkit {
namespace {

LRESULT CALLBACK Owner_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CLOSE) End_Program();
  return DefWindowProcW(hwnd, msg, wp, lp);
}

double Twips_Per_Pixel(int caps_index) {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, caps_index);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? 1440.0 / dpi : 15.0;
}

}  // namespace

std::wstring Command() {
  const wchar_t* p = GetCommandLineW();
  // Skip the program's own path, quoted or not, then the blanks after it.
  if (*p == L'"') {
    ++p;
    while (*p && *p != L'"') ++p;
    if (*p == L'"') ++p;
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  while (*p == L' ' || *p == L'\t') ++p;
  return p;
}

std::wstring App_Path() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.find_last_of(L"\\/");
  path.resize(slash == std::wstring::npos ? 0 : slash);
  if (path.size() == 2 && path[1] == L':') path += L'\\';  // a drive root keeps its separator
  return path;
}

HWND Owner_Window() {
  static const HWND owner = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Owner_Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"Quorvantile_Owner";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"Quorvantile", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           wc.hInstance, nullptr);
  }();
  return owner;
}

double Twips_Per_Pixel_X() { return Twips_Per_Pixel(LOGPIXELSX); }
double Twips_Per_Pixel_Y() { return Twips_Per_Pixel(LOGPIXELSY); }

void Do_Events() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) End_Program();
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Run_Message_Loop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  End_Program();
}

void End_Program() { ExitProcess(0); }

}  // namespace toolkit
