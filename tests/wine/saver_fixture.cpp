#include "tests/wine/saver_fixture.h"

#include "tests/wine/ini_bytes.h"
#include "toolkit/ansi.h"

namespace driver {

void Write_Settings(const Install& install, const std::wstring& folder, const Saver_Settings& s) {
  std::string text = "[Section]\r\n";
  text += Key::Change + "= " + std::to_string(s.Change_Mode) + "\r\n";
  text += Key::Size + "= " + std::to_string(s.Size_Mode) + "\r\n";
  text += Key::Folder + "=" + toolkit::To_Ansi(folder) + "\r\n";
  for (int i = 0; i < 4; ++i) text += Key::Kind(i) + "= " + std::to_string(s.Kind_Flag[static_cast<std::size_t>(i)]) + "\r\n";
  Write_Bytes(install.Ini(), text);
}

void Install_Pictures(const Install& install, const std::vector<Test_Picture>& pictures, const Saver_Settings& settings) {
  const std::wstring folder = install.Path(L"pics");
  CreateDirectoryW(folder.c_str(), nullptr);
  for (const Test_Picture& p : pictures) Write_Test_Bmp(folder + L"\\" + p.Name, p.W, p.H, p.Colour);
  Write_Settings(install, folder, settings);
}

DWORD Pattern(int x, int y) {
  return static_cast<DWORD>(((x * 7) & 0xFF) << 16 | ((y * 5) & 0xFF) << 8 | (((x / 37) * 13 + (y / 41) * 29) & 0xFF));
}

}  // namespace driver
