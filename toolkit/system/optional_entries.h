#pragma once
// The system's entry points that not every Windows the program runs on has. Each is looked up at run time from this
// table, which gives its function type, its library, the oldest Windows that has it and what the program does
// without it. None is imported directly: the import check (tests/imports/check_scr.py) reads the table and fails on
// any of them among the executable's imports. A caller names an entry in code, and gets a pointer of its type.
#include <windows.h>
#include <objbase.h>

namespace toolkit {

template <class Fn>
struct Optional_Entry {
  const char* Library;
  const char* Name;
  const char* Oldest;   // the oldest Windows that has it
  const char* Without;  // what the program does without it
};

namespace Optional {
// clang-format off
inline constexpr Optional_Entry<UINT(WINAPI*)(HWND)>
  GetDpiForWindow{"user32.dll", "GetDpiForWindow", "Windows 10 1607", "the screen's dpi for every window"};
inline constexpr Optional_Entry<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>
  AdjustWindowRectExForDpi{"user32.dll", "AdjustWindowRectExForDpi", "Windows 10 1607", "AdjustWindowRectEx, at the screen's dpi"};
inline constexpr Optional_Entry<DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD)>
  GetLongPathNameW{"kernel32.dll", "GetLongPathNameW", "Windows 98, 2000", "a stored short folder shown as it is"};
inline constexpr Optional_Entry<DWORD(WINAPI*)(LPCSTR, HWND, UINT, UINT)>
  PwdChangePasswordA{"mpr.dll", "PwdChangePasswordA", "Windows 95", "no password change (the NT family has none)"};
inline constexpr Optional_Entry<BOOL(WINAPI*)(HWND)>
  VerifyScreenSavePwd{"password.cpl", "VerifyScreenSavePwd", "Windows 95", "the saver ends unless a password is set"};
inline constexpr Optional_Entry<HRESULT(WINAPI*)(LPVOID, DWORD)>
  CoInitializeEx{"ole32.dll", "CoInitializeEx", "Windows 98, NT 4.0", "the worker in a single-threaded apartment, taking its messages"};
// clang-format on
}  // namespace Optional

// The address of an entry point in a library, looked up once, found or not; null where the system lacks it. The
// library is loaded on first use and stays loaded to the end of the program.
void* Entry_Point_Address(const char* library, const char* name);

// The entry point, as its function type; null where the system lacks it.
template <class Fn>
Fn Entry_Point(const Optional_Entry<Fn>& entry) {
  return reinterpret_cast<Fn>(Entry_Point_Address(entry.Library, entry.Name));
}

}  // namespace toolkit
