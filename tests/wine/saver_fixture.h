#pragma once
// An installed saver with a picture folder and a settings file that points at it.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "tests/wine/driver.h"

namespace driver {

struct Saver_Settings {
  int Change_Mode = 0;
  int Size_Mode = 0;
  std::array<int, 4> Kind_Flag{1, 1, 1, 1};
};

// Writes the settings file beside the installed saver, keys in their code-page-932 bytes.
void Write_Settings(const Install& install, const std::wstring& folder, const Saver_Settings& s = {});

struct Test_Picture {
  std::wstring Name;
  int W, H;
  std::function<DWORD(int, int)> Colour;
};

// A folder "pics" in the install holding these bitmaps, and the settings file pointing at it.
void Install_Pictures(const Install& install, const std::vector<Test_Picture>& pictures,
                      const Saver_Settings& settings = {});

// The colour of a test picture's pixel: every pixel of a large area differs from its neighbours.
DWORD Pattern(int x, int y);

}  // namespace driver
