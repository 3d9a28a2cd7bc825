#include "tests/wine/saver_fixture.h"

#include "toolkit/ansi.h"

namespace driver {

void Write_Settings(const Install& install, const std::wstring& folder, const Saver_Settings& s) {
  const std::string kind = "\x89\xE6\x91\x9C\x8E\xED\x97\xDE\x5F";
  std::string text = "[Section]\r\n";
  text += "\x89\xE6\x91\x9C\xC1\xAA\xDD\xBC\xDE= " + std::to_string(s.Change_Mode) + "\r\n";
  text += "\x89\xE6\x91\x9C\x82\xCC\xBB\xB2\xBD\xDE= " + std::to_string(s.Size_Mode) + "\r\n";
  text += "\x89\xE6\x91\x9C\x82\xCC\xCC\xAB\xD9\xC0\xDE=" + toolkit::To_Ansi(folder) + "\r\n";
  for (int i = 0; i < 4; ++i) text += kind + std::to_string(i) + "= " + std::to_string(s.Kind_Flag[i]) + "\r\n";
  Write_Bytes(install.Ini(), text);
}

DWORD Pattern(int x, int y) {
  return static_cast<DWORD>(((x * 7) & 0xFF) << 16 | ((y * 5) & 0xFF) << 8 | (((x / 37) * 13 + (y / 41) * 29) & 0xFF));
}

}  // namespace driver
