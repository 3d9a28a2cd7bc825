#pragma once
// The system's own button, in three kinds: a push button whose face the program draws, and a check box or a radio
// button whose look the program paints in place of the system's. The system gives the keyboard (Space, and the
// arrows within a group through IsDialogMessage), the focus, the groups and a screen reader's role, name and state;
// the program the look. A check box or a radio button acts on the press of any mouse button, as the program's
// options always have; a push button on the release of the left one.
#include <functional>
#include <string>

#include "toolkit/controls/holder.h"
#include "toolkit/system/handles.h"

namespace toolkit {

class Button : public Child_Control {
 public:
  enum class Kind { Push, Check, Radio };
  Button() = default;
  ~Button() override;
  Button(const Button&) = delete;
  Button& operator=(const Button&) = delete;
  struct Look {
    bool Pressed, Focused;
  };
  // A group begins at its first control and runs to the next first: the arrows' reach. Push buttons and check boxes
  // are stops of Tab; of a radio group the checked one, which the system makes one. The caption is what a screen
  // reader names.
  void Create(Holder& holder, Kind kind, const std::wstring& caption, bool group_start);
  HWND Control_Hwnd() const override { return hwnd_.Get(); }
  const std::wstring& Caption() const { return caption_; }
  // The state a screen reader is told; the look is the program's to paint.
  void Set_Checked(bool checked);
  void Set_Tab_Stop(bool stop);
  // Draws the button into dc over the whole of r.
  std::function<void(HDC dc, const RECT& r, const Look& look)> Paint;
  // Runs when it is pressed, by the mouse or the keyboard.
  std::function<void()> On_Click;

  void Reflected_Command(int code) override {
    if (code == BN_CLICKED && On_Click) On_Click();
  }
  void Reflected_Draw(const DRAWITEMSTRUCT& item) override;
  void Holder_Destroyed() override { hwnd_.Release(); }

 private:
  static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  // The system's handling of a message that changes the look, which the system draws at once: kept off the screen,
  // then painted as the program paints it.
  LRESULT Unseen(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Paint_Now(HWND hwnd, HDC dc);

  Kind kind_ = Kind::Push;
  std::wstring caption_;
  Child_Window hwnd_;
  WNDPROC system_ = nullptr;
};

// A line of the system's static text, drawn by the program over its holder's surface, which a screen reader reads as
// text. It lets the mouse through to its holder, which hands it a release.
class Static_Text : public Child_Control {
 public:
  void Create(Holder& holder);
  HWND Control_Hwnd() const override { return hwnd_.Get(); }
  const std::wstring& Caption() const { return caption_; }
  void Set_Caption(std::wstring caption);
  std::function<void(HDC dc, const RECT& r, const std::wstring& caption)> Paint;
  std::function<void(int Button)> Mouse_Up;

  void Reflected_Draw(const DRAWITEMSTRUCT& item) override;
  void Passed_Mouse_Up(int Button) override {
    if (Mouse_Up) Mouse_Up(Button);
  }
  void Holder_Destroyed() override { hwnd_.Release(); }

 private:
  std::wstring caption_;
  Child_Window hwnd_;
};

}  // namespace toolkit
