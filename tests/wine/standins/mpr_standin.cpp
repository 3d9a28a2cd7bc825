// Test-only stand-in for the system's password-change service of the 95 family: records each call
// in "pwdchange.txt" beside the program that loaded it.
#include <windows.h>

#include <cstdio>

extern "C" DWORD WINAPI PwdChangePasswordA(LPCSTR key, HWND parent, UINT reserved1, UINT reserved2) {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  char* slash = path + n;
  while (slash > path && *slash != '\\') --slash;
  lstrcpyA(slash + 1, "pwdchange.txt");
  if (FILE* f = std::fopen(path, "ab")) {
    std::fprintf(f, "%s %ld %u %u\n", key, static_cast<long>(reinterpret_cast<INT_PTR>(parent)), reserved1, reserved2);
    std::fclose(f);
  }
  return 0;
}
