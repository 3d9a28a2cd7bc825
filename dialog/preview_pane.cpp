#include "dialog/preview_pane.h"

#include "dialog/drawing.h"
#include "toolkit/portable/error_styles.h"
#include "toolkit/portable/numbers.h"

namespace Quorvantile_B {

using toolkit::Resume_Next;

Preview_Pane::Preview_Pane(toolkit::App& app, const toolkit::Layout& layout, std::function<void(int, int)> shown)
    : app_(app), layout_(layout), shown_(std::move(shown)) {}

void Preview_Pane::Show(const std::wstring& path) {
  Pic_K_.Set_Visible(false);
  loader_.Drop_Waiting();
  bool asked = false;
  Resume_Next([&] {
    loader_.Request(path);
    asked = true;
  });
  if (asked)
    app_.Start(answer_);
  else
    Show_Previewed(std::nullopt);  // as a file that cannot be read
}

bool Preview_Pane::Take() {
  while (std::optional<toolkit::Picture_Loader::Answer> answer = loader_.Take())
    if (loader_.Outstanding() == 0) {
      Show_Previewed(std::move(answer->Picture));
      return true;
    }
  return false;
}

void Preview_Pane::Show_Previewed(std::optional<toolkit::Decoded_Picture> picture) {
  if (picture) {
    Previewed_W = picture->Natural_W;
    Previewed_H = picture->Natural_H;
    Pic_F.Adopt(std::move(*picture));
  }
  const double w = Previewed_W, h = Previewed_H;
  // Without a picture the pane keeps its size and its last drawing.
  if (w > 0 && h > 0) {
    // The longer side becomes 100; the pane grows right and down from its fixed corner.
    Pane_W = w > h ? 100 : w * 100 / h;
    Pane_H = w > h ? h * 100 / w : 100;
    Resume_Next([&] { Draw_Picture(); });
  }
  Draw_Edge(Pic_K_, EDGE_RAISED);
  Pic_K_.Set_Visible(true);
  Pic_K_.Surface_Changed();
  Pic_K_.Refresh();
  shown_(Previewed_W, Previewed_H);
}

// Stretched with rows and columns dropped rather than blended.
void Preview_Pane::Draw_Picture() {
  const int copy_w = toolkit::To_Int32(Pane_W * layout_.Dpi() / 96.0);
  const int copy_h = toolkit::To_Int32(Pane_H * layout_.Dpi() / 96.0);
  Pic_K_.Resize(copy_w, copy_h);
  SetStretchBltMode(Pic_K_.Hdc(), COLORONCOLOR);
  StretchBlt(Pic_K_.Hdc(), 0, 0, copy_w, copy_h, Pic_F.Hdc(), 0, 0, Pic_F.Width(), Pic_F.Height(), SRCCOPY);
}

void Preview_Pane::Redraw() {
  if (Pane_W > 0)
    Draw_Picture();
  else
    Pic_K_.Cls();
  Draw_Edge(Pic_K_, EDGE_RAISED);
}

}  // namespace Quorvantile_B
