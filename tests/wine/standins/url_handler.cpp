// Test-only stand-in for the web browser: records the command line it was started with in "opened.txt"
// in its own folder.
#include <windows.h>

#include <cstdio>

int main() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  char* slash = path + n;
  while (slash > path && *slash != '\\') --slash;
  lstrcpyA(slash + 1, "opened.txt");
  if (FILE* f = std::fopen(path, "ab")) {
    std::fprintf(f, "%s\n", GetCommandLineA());
    std::fclose(f);
  }
}
