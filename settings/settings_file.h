#pragma once
// The settings file "Quorvantile.ini" beside the executable: section "Section", eleven keys.
#include <string>

#include "settings/settings_values.h"

namespace Quorvantile_B {

namespace Ini_Key {
// The keys are Japanese text in code page 932, written as their exact bytes.
inline const std::string Section = "Section";
inline const std::string Change = "\x89\xE6\x91\x9C\xC1\xAA\xDD\xBC\xDE";          // 画像ﾁｪﾝｼﾞ
inline const std::string Size = "\x89\xE6\x91\x9C\x82\xCC\xBB\xB2\xBD\xDE";        // 画像のｻｲｽﾞ
inline const std::string Folder = "\x89\xE6\x91\x9C\x82\xCC\xCC\xAB\xD9\xC0\xDE";  // 画像のﾌｫﾙﾀﾞ
// 画像種類_ followed by the kind index as one digit.
inline std::string Kind(int i) {
  return std::string("\x89\xE6\x91\x9C\x8E\xED\x97\xDE\x5F").append(1, static_cast<char>('0' + i));
}
inline const std::string Paint_Time = "\x95\x60\x89\xE6\x8E\x9E\x8A\xD4";  // 描画時間
inline const std::string Hold_Time = "\x95\x5C\x8E\xA6\x8E\x9E\x8A\xD4";   // 表示時間
inline const std::string Sub_Folders = "\xBB\xCC\xDE\xCC\xAB\xD9\xC0\xDE";  // ｻﾌﾞﾌｫﾙﾀﾞ
}  // namespace Ini_Key

// The settings file's path: the executable's folder, a backslash, the file name.
std::string Ini_Path();

// Every key of the file. A stored folder that is not usable (Check_Folder) becomes no folder.
Settings Load_Settings(const std::string& File = Ini_Path());

// Writes every key; the folder is written up to its first NUL.
void Save_Settings(const Settings& settings, const std::string& File = Ini_Path());

}  // namespace Quorvantile_B
