#pragma once
// The preview window: a still picture shown inside the system's small preview pane.
#include "toolkit/controls/form.h"
#include "toolkit/controls/image.h"

namespace Quorvantile_B {

class Quorvantile_R : public toolkit::Form {
 public:
  explicit Quorvantile_R(toolkit::App& app);
  toolkit::Image Img_Prev;

 protected:
  void Form_Unload() override;
};

}  // namespace Quorvantile_B
