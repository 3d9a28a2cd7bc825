#include "main/quorvantile_r.h"

#include "resources/resource_ids.h"
#include "toolkit/portable/error_styles.h"
#include "toolkit/system/system_text.h"

namespace Quorvantile_B {

Quorvantile_R::Quorvantile_R(toolkit::App& app) : Form(app, L"Preview Window", toolkit::Border_Style::None) {
  Add_Control(Img_Prev);
  Img_Prev.Move(0, 0, 152, 112);
  toolkit::Resume_Next([&] { Img_Prev.Set_Picture(toolkit::Picture::From_Resource(Res_Preview_Jpeg)); });
}

void Quorvantile_R::Form_Unload() {
  // Closing the owner window ends the program. Once the form is a child of the pane, the system may no
  // longer report its owner; the program's owner window is the same one.
  HWND owner = GetWindow(Hwnd(), GW_OWNER);
  if (!owner) owner = Program().Owner();
  toolkit::Post_Message(owner, WM_CLOSE, 0, 0);
}

}  // namespace Quorvantile_B
