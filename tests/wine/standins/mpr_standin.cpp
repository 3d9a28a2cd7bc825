// Test-only stand-in for the system's password-change service of the 95 family: records each call
// in "pwdchange.txt" beside the program that loaded it.
#include <windows.h>

#include <cstdio>

#include "tests/wine/standins/beside_program.h"

extern "C" DWORD WINAPI PwdChangePasswordA(LPCSTR key, HWND parent, UINT reserved1, UINT reserved2) {
  const std::string path = Beside_Program("pwdchange.txt");
  if (FILE* f = std::fopen(path.c_str(), "ab")) {
    std::fprintf(f, "%s %ld %u %u\n", key, static_cast<long>(reinterpret_cast<INT_PTR>(parent)), reserved1, reserved2);
    std::fclose(f);
  }
  return 0;
}
