#include "toolkit/controls/layout.h"

#include "toolkit/controls/picture_box.h"
#include "toolkit/controls/windowless.h"

namespace toolkit {

void Layout::Add(RECT at_96, std::function<void(const RECT&)> put) {
  entries_.push_back({at_96, std::move(put)});
  entries_.back().Put(Scaled(at_96));
}

void Layout::Place(Windowless_Control& control, int x, int y, int w, int h) {
  Add({x, y, x + w, y + h},
      [&control](const RECT& r) { control.Move(r.left, r.top, r.right - r.left, r.bottom - r.top); });
}

void Layout::Place(Picture_Box& box, int x, int y, int w, int h) {
  Add({x, y, x + w, y + h}, [&box](const RECT& r) {
    box.Move(r.left, r.top);
    box.Resize(r.right - r.left, r.bottom - r.top);
  });
}

void Layout::Place(HWND child, int x, int y, int w, int h) {
  Add({x, y, x + w, y + h}, [child](const RECT& r) {
    SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  });
}

void Layout::Set_Dpi(int dpi) {
  dpi_ = dpi;
  for (const Entry& e : entries_) e.Put(Scaled(e.At_96));
}

}  // namespace toolkit
