#pragma once
// The dialog's preview: a picture chosen in the list, read on the worker no bigger than the pane needs, fitted into
// 100 x 100 of the layout from the pane's fixed corner, with a raised edge. A file that cannot be read leaves the
// picture before it.
#include <functional>
#include <optional>
#include <string>

#include "toolkit/controls/layout.h"
#include "toolkit/controls/picture_box.h"
#include "toolkit/controls/signal_work.h"
#include "toolkit/system/picture_loader.h"

namespace Quorvantile_B {

class Preview_Pane {
 public:
  // Shown tells of each preview drawn, with the picture's natural size (upright), 0 x 0 before any was read.
  Preview_Pane(toolkit::App& app, const toolkit::Layout& layout, std::function<void(int W, int H)> shown);

  toolkit::Picture_Box& Pic_K() { return Pic_K_; }
  // Reads the file, and shows it once read. A newer file takes the place of one not yet begun; only the last answer
  // is shown.
  void Show(const std::wstring& path);
  // The pane drawn again as it stands, at the layout's size: the last preview, or the empty pane.
  void Redraw();

 private:
  bool Take();
  void Show_Previewed(std::optional<toolkit::Decoded_Picture> picture);
  void Draw_Picture();

  toolkit::App& app_;
  const toolkit::Layout& layout_;
  std::function<void(int, int)> shown_;
  toolkit::Picture_Box Pic_K_;
  toolkit::Surface Pic_F;  // what was read of the picture
  // The pane's size in the layout, 0 before the first preview; the picture's natural size, upright.
  double Pane_W = 0, Pane_H = 0;
  int Previewed_W = 0, Previewed_H = 0;
  // Read at up to twice the usual dpi's pane.
  class Pane_Size : public toolkit::Shown_Size {
   public:
    toolkit::Decode_Part Part(int W, int H) const noexcept override {
      if (W <= 0 || H <= 0) return {};
      return {0, 0, 0, 0, W > H ? 200 : W * 200 / H, W > H ? H * 200 / W : 200};
    }
  } pane_size_;
  toolkit::Picture_Loader loader_{&pane_size_};
  toolkit::Signal_Work answer_{[this] { return loader_.Answer_Event(); }, [this] { return Take(); }};
};

}  // namespace Quorvantile_B
