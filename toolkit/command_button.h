#pragma once
// A graphical command button: a picture as its face, the caption over it, pressed with the mouse or, when it
// has the focus, with the space bar.
#include <functional>
#include <memory>
#include <string>

#include "toolkit/picture.h"
#include "toolkit/window_control.h"

namespace toolkit {

class Command_Button : public Window_Control {
 public:
  void Create(HWND parent, int left, int top, int width, int height, std::wstring caption, HFONT font);
  void Set_Face(std::shared_ptr<Picture> face);
  const std::wstring& Caption() const { return caption_; }
  // Runs the click handler, as a click does.
  void Click() {
    if (On_Click) On_Click();
  }

  std::function<void()> On_Click;

 private:
  static LRESULT CALLBACK Window_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void Paint();
  void Set_Pressed(bool pressed);

  std::wstring caption_;
  HFONT font_ = nullptr;
  std::shared_ptr<Picture> face_;
  bool pressed_ = false, tracking_ = false;
};

}  // namespace toolkit
