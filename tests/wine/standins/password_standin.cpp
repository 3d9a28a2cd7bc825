// Test-only stand-in for the 95 family's saver-password check: refuses the first call, accepts every
// later one, and records each call as a line in "pwdcheck.txt" beside the program that loaded it.
#include <windows.h>

#include <cstdio>

extern "C" BOOL WINAPI VerifyScreenSavePwd(HWND saver) {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  char* slash = path + n;
  while (slash > path && *slash != '\\') --slash;
  lstrcpyA(slash + 1, "pwdcheck.txt");
  const bool first = GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES;
  if (FILE* f = std::fopen(path, "ab")) {
    std::fprintf(f, "%s %d\n", first ? "refused" : "accepted", IsWindow(saver) ? 1 : 0);
    std::fclose(f);
  }
  return first ? FALSE : TRUE;
}
