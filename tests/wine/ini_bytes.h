#pragma once
// The settings file as bytes, written out here independently of the program: the keys in code page 932,
// and the file's text as the tests compare it.
#include <string>
#include <vector>

namespace driver {

namespace Key {
inline const std::string Change = "\x89\xE6\x91\x9C\xC1\xAA\xDD\xBC\xDE";         // 画像ﾁｪﾝｼﾞ
inline const std::string Size = "\x89\xE6\x91\x9C\x82\xCC\xBB\xB2\xBD\xDE";       // 画像のｻｲｽﾞ
inline const std::string Folder = "\x89\xE6\x91\x9C\x82\xCC\xCC\xAB\xD9\xC0\xDE";  // 画像のﾌｫﾙﾀﾞ
inline std::string Kind(int i) {                                                    // 画像種類_0 ... _3
  return std::string("\x89\xE6\x91\x9C\x8E\xED\x97\xDE\x5F").append(1, static_cast<char>('0' + i));
}
}  // namespace Key

// The program writes numbers with a sign blank (" 1"); whether the system's writer keeps that blank is
// its own business (Wine drops it), so one blank after "=" is taken out before comparing.
inline std::string Without_Sign_Blanks(const std::vector<unsigned char>& bytes) {
  std::string text(bytes.begin(), bytes.end());
  for (std::size_t at = text.find("= "); at != std::string::npos; at = text.find("= ", at + 1)) text.erase(at + 1, 1);
  return text;
}

}  // namespace driver
