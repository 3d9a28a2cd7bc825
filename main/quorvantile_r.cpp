#include "main/quorvantile_r.h"

#include "resources/resource_ids.h"
#include "toolkit/portable/error_styles.h"
#include "toolkit/system/system_text.h"

namespace Quorvantile_B {

Quorvantile_R::Quorvantile_R(toolkit::App& app) : Form(app, L"Preview Window", toolkit::Border_Style::None) {
  toolkit::Resume_Next([&] { Img_Prev = toolkit::Picture::From_Resource(Res_Preview_Jpeg); });
}

void Quorvantile_R::Place_Img_Prev(int w, int h) {
  Prev_W = w;
  Prev_H = h;
  if (Hwnd()) InvalidateRect(Hwnd(), nullptr, FALSE);
}

void Quorvantile_R::Paint_Content(HDC dc, const RECT& area) {
  Form::Paint_Content(dc, area);
  if (Img_Prev) Img_Prev->Render(dc, 0, 0, Prev_W, Prev_H);
}

void Quorvantile_R::Form_Unload() {
  // Closing the owner window ends the program. Once the form is a child of the pane, the system may no
  // longer report its owner; the program's owner window is the same one.
  HWND owner = GetWindow(Hwnd(), GW_OWNER);
  if (!owner) owner = Program().Owner();
  toolkit::Post_Message(owner, WM_CLOSE, 0, 0);
}

}  // namespace Quorvantile_B
