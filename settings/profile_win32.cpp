#include <windows.h>

#include <array>

#include "settings/profile.h"

namespace Quorvantile_B {

std::string Get_Ini(const std::string& Section, const std::string& Key, const std::string& File) {
  std::array<char, 256> buffer{};
  GetPrivateProfileStringA(Section.c_str(), Key.c_str(), "", buffer.data(), buffer.size(), File.c_str());
  return buffer.data();
}

void Put_Ini(const std::string& Section, const std::string& Key, const std::string& Value, const std::string& File) {
  WritePrivateProfileStringA(Section.c_str(), Key.c_str(), Value.c_str(), File.c_str());
}

}  // namespace Quorvantile_B
