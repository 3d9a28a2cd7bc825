// Test-only stand-in for the web browser: records the command line it was started with in "opened.txt"
// in its own folder.
#include <windows.h>

#include <cstdio>

#include "tests/wine/standins/beside_program.h"

int main() {
  const std::string path = Beside_Program("opened.txt");
  if (FILE* f = std::fopen(path.c_str(), "ab")) {
    std::fprintf(f, "%s\n", GetCommandLineA());
    std::fclose(f);
  }
}
