#include "toolkit/system/process.h"

#include <windows.h>

#include "toolkit/system/system_text.h"

namespace toolkit {

std::wstring Command() {
  const std::wstring line = Command_Line();
  const wchar_t* p = line.c_str();
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
  std::wstring path = Module_Path();
  const std::size_t slash = path.find_last_of(L"\\/");
  path.resize(slash == std::wstring::npos ? 0 : slash);
  if (path.size() == 2 && path[1] == L':') path += L'\\';  // a drive root keeps its separator
  return path;
}

// The process ends where it stands: a picture's load on the worker thread, or a system dialog, does not hold it.
void End_Program() {
  TerminateProcess(GetCurrentProcess(), 0);
  ExitProcess(0);
}

}  // namespace toolkit
