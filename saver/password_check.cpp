// The 95 family's saver-password check. It is the system's own, in password.cpl, looked up at run time.
#include <windows.h>

#include "saver/quorvantile_s.h"
#include "toolkit/library.h"

namespace Quorvantile_B {
namespace {

// Whether the user has set a saver password, as the system's display settings record it.
bool Saver_Password_Set() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  BYTE data[16] = {};
  DWORD size = sizeof data - 1, type = 0;
  const bool read = RegQueryValueExA(key, "ScreenSaveUsePassword", nullptr, &type, data, &size) == ERROR_SUCCESS;
  RegCloseKey(key);
  if (!read) return false;
  if (type == REG_DWORD) return *reinterpret_cast<const DWORD*>(data) != 0;
  return data[0] != 0 && data[0] != '0';
}

}  // namespace

bool Password_Check_Passes(HWND saver) {
  using Verify_Screen_Save_Pwd = BOOL(WINAPI*)(HWND);
  const toolkit::Library cpl("password.cpl");
  if (const auto verify = cpl.Entry<Verify_Screen_Save_Pwd>("VerifyScreenSavePwd")) return verify(saver) != 0;
  // Without the check nobody gets past a password that is set; without a password the saver still ends.
  return !Saver_Password_Set();
}

}  // namespace Quorvantile_B
