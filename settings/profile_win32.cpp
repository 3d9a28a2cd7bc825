#include <windows.h>

#include <string>

#include "settings/profile.h"

namespace Quorvantile_B {

std::string Get_Ini(const std::string& Section, const std::string& Key, const std::string& File) {
  // The value is read whole: a buffer the system fills to the brim may have cut it, so it grows and the
  // value is read again. (A Japanese folder path of 130 characters already passes 255 bytes.)
  for (DWORD size = 256;; size *= 2) {
    std::string buffer(size, '\0');
    const DWORD n = GetPrivateProfileStringA(Section.c_str(), Key.c_str(), "", buffer.data(), size, File.c_str());
    if (n < size - 1 || size >= 65536) return buffer.substr(0, n);
  }
}

void Put_Ini(const std::string& Section, const std::string& Key, const std::string& Value, const std::string& File) {
  WritePrivateProfileStringA(Section.c_str(), Key.c_str(), Value.c_str(), File.c_str());
}

}  // namespace Quorvantile_B
