// The 95 family's saver-password check. It is the system's own, in password.cpl, looked up at run time.
#include <windows.h>

#include "saver/quorvantile_s.h"
#include "toolkit/system/optional_entries.h"
#include "toolkit/system/system_text.h"

namespace Quorvantile_B {
namespace {

// Whether the user has set a saver password, as the system's display settings record it.
bool Saver_Password_Set() {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!toolkit::Read_User_Setting("Control Panel\\Desktop", "ScreenSaveUsePassword", type, data) || data.empty())
    return false;
  if (type == REG_DWORD && data.size() >= 4) return *reinterpret_cast<const DWORD*>(data.data()) != 0;
  return data[0] != 0 && data[0] != '0';
}

}  // namespace

bool Password_Check_Passes(HWND saver) {
  if (const auto verify = toolkit::Entry_Point(toolkit::Optional::VerifyScreenSavePwd)) return verify(saver) != 0;
  // Without the check nobody gets past a password that is set; without a password the saver still ends.
  return !Saver_Password_Set();
}

}  // namespace Quorvantile_B
