#pragma once
// Text in the system's ANSI code page (code page 932 on a Japanese system), as the 8-bit system calls take it.
#include <string>

namespace toolkit {

std::string To_Ansi(const std::wstring& text);
std::wstring From_Ansi(const std::string& text);
// A path in the ANSI code page. On the NT family a path that the code page cannot hold becomes its short
// (8.3) form, which it can, where the file system gives one.
std::string To_Ansi_Path(const std::wstring& path);

// True when the text comes back unchanged from the ANSI code page.
inline bool Fits_Ansi(const std::wstring& text) { return From_Ansi(To_Ansi(text)) == text; }

}  // namespace toolkit
