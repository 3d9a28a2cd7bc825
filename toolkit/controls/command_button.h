#pragma once
// A graphical command button: a picture as its face, the caption over it, pressed with the mouse or, when it
// has the focus, with the space bar.
#include <functional>
#include <memory>
#include <string>

#include "toolkit/controls/holder.h"
#include "toolkit/system/picture.h"

namespace toolkit {

class Command_Button : public Window, public Child_Control {
 public:
  void Create(Holder& holder, int left, int top, int width, int height, std::wstring caption, HFONT font);
  HWND Control_Hwnd() const override { return Hwnd(); }
  // The face is drawn at face_w x face_h, centred; what is larger than the button is cut off.
  void Set_Face(std::shared_ptr<Picture> face, int face_w, int face_h);
  const std::wstring& Caption() const { return caption_; }
  void Set_Font(HFONT font) {
    font_ = font;
    InvalidateRect(Hwnd(), nullptr, FALSE);
  }
  // Runs the click handler, as a click does.
  void Click() {
    if (On_Click) On_Click();
  }

  std::function<void()> On_Click;

 protected:
  LRESULT Handle_Message(UINT msg, WPARAM wp, LPARAM lp) override;
  void Paint_Content(HDC dc, const RECT& area) override;

 private:
  void Set_Pressed(bool pressed);

  std::wstring caption_;
  HFONT font_ = nullptr;
  std::shared_ptr<Picture> face_;
  int face_w_ = 0, face_h_ = 0;
  bool pressed_ = false, tracking_ = false;
};

}  // namespace toolkit
