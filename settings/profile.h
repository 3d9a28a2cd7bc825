#pragma once
// One value of an INI file, through the system's 8-bit profile functions. All text is in the ANSI code page.
#include <string>

namespace Quorvantile_B {

// The value, whole, or empty text when the file, the section or the key is missing.
std::string Get_Ini(const std::string& Section, const std::string& Key, const std::string& File);

// Writes one value; a failed write is silent.
void Put_Ini(const std::string& Section, const std::string& Key, const std::string& Value, const std::string& File);

}  // namespace Quorvantile_B
