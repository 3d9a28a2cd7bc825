#include "settings/settings_file.h"

#include <cmath>

#include "catalogue/pict_list.h"
#include "settings/profile.h"
#include "toolkit/portable/ansi.h"
#include "toolkit/portable/error_styles.h"
#include "toolkit/portable/number_text.h"
#include "toolkit/portable/numbers.h"

namespace Quorvantile_B {
namespace {

using toolkit::Resume_Next;

// A stored number: empty text gives the default; otherwise the number rounded down, which must be a
// 16-bit value (text that is not a number, or out of range, raises an error and the value stays).
void Read_Number(const std::string& Key, std::int16_t& value, std::int16_t Default, const std::string& File) {
  const std::string Ini_Buf = Get_Ini(Ini_Key::Section, Key, File);
  if (Ini_Buf.empty()) {
    value = Default;
    return;
  }
  const double down = std::floor(toolkit::Number_From_Text(Ini_Buf));
  if (!(down >= -32768.0 && down <= 32767.0)) toolkit::Raise_Overflow();
  value = static_cast<std::int16_t>(down);
}

void Write_Number(const std::string& Key, std::int16_t value, const std::string& File) {
  Put_Ini(Ini_Key::Section, Key, toolkit::Number_Text(value), File);
}

}  // namespace

Settings Load_Settings(const std::string& File) {
  // Before its key is read a value is 0, and text that is not a number leaves it so; the times keep their defaults.
  Settings s;
  s.Kind_Flag = {};
  const Settings defaults;
  Resume_Next([&] { Read_Number(Ini_Key::Change, s.Change_Mode, 0, File); });
  Resume_Next([&] { Read_Number(Ini_Key::Size, s.Size_Mode, 0, File); });
  for (int i = 0; i < Kind_Count; ++i)
    Resume_Next([&] { Read_Number(Ini_Key::Kind(i), s.Kind_Flag[static_cast<std::size_t>(i)], 1, File); });
  Resume_Next([&] { Read_Number(Ini_Key::Paint_Time, s.Paint_Time, defaults.Paint_Time, File); });
  Resume_Next([&] { Read_Number(Ini_Key::Hold_Time, s.Hold_Time, defaults.Hold_Time, File); });
  Resume_Next([&] { Read_Number(Ini_Key::Sub_Folders, s.Sub_Folders, 0, File); });
  s.Pict_Folder = toolkit::From_Ansi(Get_Ini(Ini_Key::Section, Ini_Key::Folder, File));
  if (!s.Pict_Folder.empty() && !Check_Folder(s.Pict_Folder)) s.Pict_Folder.clear();
  return s;
}

void Save_Settings(const Settings& s, const std::string& File) {
  // A failed write is silent, so nothing here fails.
  Write_Number(Ini_Key::Change, s.Change_Mode, File);
  Write_Number(Ini_Key::Size, s.Size_Mode, File);
  // The value goes up to its first NUL. A folder that the code page cannot hold is stored in its short form, which
  // reads back as it is.
  Put_Ini(Ini_Key::Section, Ini_Key::Folder, toolkit::To_Ansi_Path(s.Pict_Folder.substr(0, s.Pict_Folder.find(L'\0'))),
          File);
  for (int i = 0; i < Kind_Count; ++i) Write_Number(Ini_Key::Kind(i), s.Kind_Flag[static_cast<std::size_t>(i)], File);
  Write_Number(Ini_Key::Paint_Time, s.Paint_Time, File);
  Write_Number(Ini_Key::Hold_Time, s.Hold_Time, File);
  Write_Number(Ini_Key::Sub_Folders, s.Sub_Folders, File);
}

}  // namespace Quorvantile_B
