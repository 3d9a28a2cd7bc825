#pragma once
// The keyboard's way to a windowless option (a check box, or a group of radio buttons, drawn by their
// holder): a window of no size in the tab order. It takes the keys, tells when it has the focus, so that
// the option shows the focus mark, and answers a screen reader for the option.
#include <functional>

#include "toolkit/controls/accessible.h"
#include "toolkit/controls/holder.h"

namespace toolkit {

class Option_Key : public Window {
 public:
  // Created after the controls that come before it in reading order: the tab order follows.
  void Create(Holder& holder);
  bool Has_Focus() const { return GetFocus() == Hwnd(); }

  std::function<void(int Key_Code)> On_Key;  // space and the arrow keys
  std::function<void()> On_Focus_Change;
  Accessible_Tree Accessibility;

 protected:
  LRESULT Handle_Message(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace toolkit
