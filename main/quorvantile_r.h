#pragma once
// The preview window: a still picture shown inside the system's small preview pane.
#include <memory>

#include "toolkit/controls/form.h"
#include "toolkit/system/picture.h"

namespace Quorvantile_B {

class Quorvantile_R : public toolkit::Form {
 public:
  explicit Quorvantile_R(toolkit::App& app);
  // The stored picture is drawn over (0, 0, w, h) of the form, on its black.
  void Place_Img_Prev(int w, int h);

 protected:
  void Form_Unload() override;
  void Paint_Content(HDC dc, const RECT& area) override;

 private:
  std::shared_ptr<toolkit::Picture> Img_Prev;
  int Prev_W = 152, Prev_H = 112;
};

}  // namespace Quorvantile_B
