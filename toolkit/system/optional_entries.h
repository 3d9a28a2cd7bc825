#pragma once
// The system's entry points that not every Windows the program runs on has. Each is looked up at run time
// from this table, which says the oldest Windows that has it and what the program does without it. None is
// imported directly: the import check (tests/imports/check_scr.py) reads the table and fails on any of them
// among the executable's imports.
#include <string_view>

namespace toolkit {

struct Optional_Entry {
  const char* Library;
  const char* Name;
  const char* Oldest;   // the oldest Windows that has it
  const char* Without;  // what the program does without it
};

// clang-format off
inline constexpr Optional_Entry Optional_Entries[] = {
  {"user32.dll",   "GetDpiForWindow",          "Windows 10 1607",   "the screen's dpi for every window"},
  {"user32.dll",   "AdjustWindowRectExForDpi", "Windows 10 1607",   "AdjustWindowRectEx, at the screen's dpi"},
  {"kernel32.dll", "GetLongPathNameW",         "Windows 98, 2000",  "a stored short folder shown as it is"},
  {"oleacc.dll",   "LresultFromObject",        "Windows 98, 2000",  "the system's own answer to a screen reader"},
  {"mpr.dll",      "PwdChangePasswordA",       "Windows 95",        "no password change (the NT family has none)"},
  {"password.cpl", "VerifyScreenSavePwd",      "Windows 95",        "the saver ends unless a password is set"},
};
// clang-format on

// The entry point of the table by that name, as the function type Fn; null where the system lacks it. Its
// library is loaded on first use and stays loaded to the end of the program.
void* Optional_Entry_Address(std::string_view name);
template <class Fn>
Fn Optional(std::string_view name) {
  return reinterpret_cast<Fn>(Optional_Entry_Address(name));
}

}  // namespace toolkit
