// Test-only stand-in for the 95 family's saver-password check: refuses the first call, accepts every
// later one, and records each call as a line in "pwdcheck.txt" beside the program that loaded it.
#include <windows.h>

#include <cstdio>

#include "tests/wine/standins/beside_program.h"

extern "C" BOOL WINAPI VerifyScreenSavePwd(HWND saver) {
  const std::string path = Beside_Program("pwdcheck.txt");
  const bool first = GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
  if (FILE* f = std::fopen(path.c_str(), "ab")) {
    std::fprintf(f, "%s %d\n", first ? "refused" : "accepted", IsWindow(saver) ? 1 : 0);
    std::fclose(f);
  }
  return first ? FALSE : TRUE;
}
