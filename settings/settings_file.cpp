#include "settings/settings_file.h"

#include <cmath>

#include "catalogue/pict_list.h"
#include "settings/profile.h"
#include "settings/settings_values.h"
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

void Load_Settings(const std::string& File) {
  Resume_Next([&] { Read_Number(Ini_Key::Change, Change_Mode, 0, File); });
  Resume_Next([&] { Read_Number(Ini_Key::Size, Size_Mode, 0, File); });
  for (int i = 0; i < 4; ++i)
    Resume_Next([&] { Read_Number(Ini_Key::Kind(i), Kind_Flag[static_cast<std::size_t>(i)], 1, File); });
  Pict_Count = 0;
  Pict_Folder = toolkit::From_Ansi(Get_Ini(Ini_Key::Section, Ini_Key::Folder, File));
  if (Pict_Folder.empty()) return;
  if (Check_Folder(Pict_Folder))
    Make_Pict_List(Pict_Folder);
  else
    Pict_Folder.clear();
}

void Save_Settings(const std::wstring& Folder_Caption, const std::string& File) {
  // A failed write is silent, so nothing here fails.
  Write_Number(Ini_Key::Change, Change_Mode, File);
  Write_Number(Ini_Key::Size, Size_Mode, File);
  // The value goes up to its first NUL.
  Pict_Folder = Folder_Caption.substr(0, Folder_Caption.find(L'\0'));
  // A folder that the code page cannot hold is stored in its short form, which reads back as it is.
  Put_Ini(Ini_Key::Section, Ini_Key::Folder, toolkit::To_Ansi_Path(Pict_Folder), File);
  for (int i = 0; i < 4; ++i) Write_Number(Ini_Key::Kind(i), Kind_Flag[static_cast<std::size_t>(i)], File);
}

}  // namespace Quorvantile_B
