#include "settings/settings_file.h"
#include "toolkit/portable/ansi.h"
#include "toolkit/system/process.h"

namespace Quorvantile_B {

std::string Ini_Path() { return toolkit::To_Ansi_Path(toolkit::App_Path()) + "\\Quorvantile.ini"; }

}  // namespace Quorvantile_B
