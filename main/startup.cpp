#include "main/startup.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>

#include "catalogue/pict_list.h"
#include "dialog/quorvantile_p.h"
#include "main/quorvantile_r.h"
#include "saver/quorvantile_s.h"
#include "settings/settings_file.h"
#include "toolkit/portable/ansi.h"
#include "toolkit/portable/number_text.h"
#include "toolkit/portable/numbers.h"
#include "toolkit/system/optional_entries.h"
#include "toolkit/system/process.h"
#include "toolkit/system/screen.h"
#include "toolkit/system/system_text.h"

namespace Quorvantile_B {
namespace {

// The command line from its fourth character on: what follows the switch and one blank.
std::string Handle_Text() {
  const std::wstring command = toolkit::Command();
  return toolkit::To_Ansi(command.size() > 3 ? command.substr(3) : std::wstring());
}

// The twip value of a pixel length, kept within the 16-bit range of twip values.
double Clamped_Twips(long pixels, double twips_per_pixel) {
  return std::clamp(toolkit::Round_Half_Even(pixels * twips_per_pixel), 0.0, 32767.0);
}

// Preview mode: the preview window becomes a child of the pane and covers it.
std::unique_ptr<toolkit::Form> Embed_Preview(toolkit::App& app) {
  const auto Parent = reinterpret_cast<HWND>(static_cast<INT_PTR>(toolkit::To_Int32(toolkit::Val(Handle_Text()))));
  RECT pane{};
  GetWindowRect(Parent, &pane);
  const double tx = toolkit::Twips_Per_Pixel_X(), ty = toolkit::Twips_Per_Pixel_Y();
  const double width = Clamped_Twips(pane.right - pane.left, tx);
  const double height = Clamped_Twips(pane.bottom - pane.top, ty);

  auto preview = std::make_unique<Quorvantile_R>(app);
  preview->Load();
  const HWND hwnd = preview->Hwnd();
  // A child cannot also be a popup window.
  toolkit::Set_Window_Long(hwnd, GWL_STYLE, (toolkit::Window_Long(hwnd, GWL_STYLE) | WS_CHILD) & ~WS_POPUP);
  SetParent(hwnd, Parent);
  preview->Move_Twips(0, 0, width, height);
  preview->Place_Img_Prev(toolkit::Pixels_Of_Twips(width, tx), toolkit::Pixels_Of_Twips(height, ty));
  preview->Show_Inactive();  // the pane's owner keeps the keyboard
  return preview;
}

// Password-change mode, on the 95 family only. The system's service is looked up at run time, so
// that the program still starts where it is missing.
void Change_Password() {
  if (Is_NT()) return;
  // A handle that is not a number, or not a 32-bit one: nothing is called.
  const std::optional<double> handle = toolkit::Parse_Number(Handle_Text());
  if (!handle || !toolkit::Fits_Int32(*handle)) return;
  if (const auto change = toolkit::Entry_Point(toolkit::Optional::PwdChangePasswordA))
    change("SCRSAVE", reinterpret_cast<HWND>(static_cast<INT_PTR>(toolkit::To_Int32(*handle))), 0, 0);
}

}  // namespace

std::wstring Mode_Letter() {
  const std::wstring command = toolkit::Command();
  if (command.size() < 2) return {};
  return std::wstring(1, static_cast<wchar_t>(std::towupper(command[1])));
}

bool Is_NT() { return toolkit::Nt_Family(); }

std::unique_ptr<toolkit::Form> Main(toolkit::App& app) {
  // Both titles are always searched; a running saver screen or settings dialog ends every later start.
  const bool saver_running = toolkit::Find_Window(Saver_Caption) != nullptr;
  const bool dialog_open = toolkit::Find_Window(Dialog_Caption) != nullptr;
  if (saver_running || dialog_open) toolkit::End_Program();

  if (Mode_Letter() == L"P") return Embed_Preview(app);

  // The settings are read once; each form takes what it needs.
  const Settings settings = Load_Settings();

  const std::wstring mode = Mode_Letter();
  if (mode == L"A") {
    Change_Password();
    toolkit::End_Program();
  }
  if (mode == L"C") {
    // Any parent handle after the switch is not used. Closing the dialog ends the program; it lists the folder's
    // pictures itself, as it finds them.
    auto dialog = std::make_unique<Quorvantile_P>(app, settings);
    dialog->Load();
    dialog->Show_As_Dialog();
    return dialog;
  }
  if (mode != L"S" && !toolkit::Command().empty()) toolkit::End_Program();

  // The saver: an empty command line runs it too, but leaves the cursor visible.
  Catalogue pictures = Make_Pict_List(settings.Pict_Folder, settings.Kind_Flag, settings.Sub_Folders == 1);
  auto saver = std::make_unique<Quorvantile_S>(app, settings, std::move(pictures), mode);
  saver->Load();
  return saver;
}

}  // namespace Quorvantile_B
