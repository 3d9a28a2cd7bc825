#pragma once
// A label: a caption drawn by the window that holds it, in the given font, left, centred or right-aligned,
// on its own background colour or transparent over what lies beneath, with or without a single border.
#include <string>

#include "toolkit/controls/windowless.h"

namespace toolkit {

enum class Alignment { Left, Right, Center };

class Label : public Windowless_Control {
 public:
  void Set_Focus_Mark(bool shown) {
    Focus_Mark = shown;
    Invalidate();
  }
  void Set_Caption(std::wstring caption) {
    caption_ = std::move(caption);
    Invalidate();
  }
  const std::wstring& Caption() const { return caption_; }

  Alignment Align = Alignment::Left;
  bool Border = false;
  bool Transparent = true;
  COLORREF Back_Color = RGB(255, 255, 255);
  COLORREF Fore_Color = RGB(0, 0, 0);
  HFONT Font = nullptr;  // owned by whoever made it
  // The dotted focus mark around the caption, for an option that has the keyboard.
  bool Focus_Mark = false;

  void Paint(HDC dc) const override;

 private:
  std::wstring caption_;
};

}  // namespace toolkit
