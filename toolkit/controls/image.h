#pragma once
// An image control: shows one picture, scaled to its own size.
#include <memory>

#include "toolkit/controls/windowless.h"
#include "toolkit/system/picture.h"

namespace toolkit {

class Image : public Windowless_Control {
 public:
  void Set_Picture(std::shared_ptr<Picture> picture) {
    picture_ = std::move(picture);
    Invalidate();
  }
  const std::shared_ptr<Picture>& Get_Picture() const { return picture_; }

  void Paint(HDC dc) const override {
    if (!picture_) return;
    const RECT& r = Rect();
    picture_->Render(dc, r.left, r.top, r.right - r.left, r.bottom - r.top);
  }

 private:
  std::shared_ptr<Picture> picture_;
};

}  // namespace toolkit
