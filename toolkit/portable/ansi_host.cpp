// The host build has no system code page: bytes map one to one onto the first 256 characters.
#include "toolkit/portable/ansi.h"

namespace toolkit {

std::string To_Ansi(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += c < 256 ? static_cast<char>(c) : '?';
  return out;
}

std::string To_Ansi_Path(const std::wstring& path) { return To_Ansi(path); }

std::wstring From_Ansi(const std::string& text) {
  std::wstring out;
  for (char c : text) out += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return out;
}

}  // namespace toolkit
