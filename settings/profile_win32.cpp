#include "settings/profile.h"
#include "toolkit/system/system_text.h"

namespace Quorvantile_B {

std::string Get_Ini(const std::string& Section, const std::string& Key, const std::string& File) {
  return toolkit::Profile_String(Section, Key, File);
}

void Put_Ini(const std::string& Section, const std::string& Key, const std::string& Value, const std::string& File) {
  toolkit::Write_Profile_String(Section, Key, Value, File);
}

}  // namespace Quorvantile_B
