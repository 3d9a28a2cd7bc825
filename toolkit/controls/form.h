#pragma once
// A form: a top-level window owned by the program's hidden owner window, with the controls it holds. Derived
// forms override the handlers they need.
#include <map>
#include <string>

#include "toolkit/controls/app.h"
#include "toolkit/controls/holder.h"
#include "toolkit/system/handles.h"
#include "toolkit/system/pointer.h"

namespace toolkit {

enum class Border_Style { None, Fixed_Single };

class Form : public Holder {
 public:
  Form(App& app, std::wstring caption, Border_Style border);

  // Creates the window, hidden, and runs Form_Load.
  void Load();
  // Shows the form and gives it the keyboard.
  void Show();
  // Shows the form and leaves the keyboard where it is.
  void Show_Inactive();
  // Shows the form as a dialog, whose keys the system's dialog manager takes: Tab moves between its controls and
  // the arrows within a group, Esc and Enter reach Form_Cancel_Key and Form_Default_Key, and Enter on a focused push
  // button presses it.
  void Show_As_Dialog();
  // Unloads the form: Form_Unload runs, then the window goes.
  void Unload();

  void Set_Back_Color(COLORREF color);
  // The form's own outer position and size, in twips; each becomes the nearest whole pixel.
  void Move_Twips(double left, double top, double width, double height);
  // The outer size in twips of a form of this style whose client area is w x h pixels, at the dpi of its monitor.
  double Outer_Width_Twips(int client_w) const;
  double Outer_Height_Twips(int client_h) const;

  // Gives a dialog form that is active the keys meant for it, before the message is dispatched; true when taken.
  static bool Take_Dialog_Keys(MSG& msg);
  // The form that a window of the program belongs to, or null.
  static Form* Of(HWND hwnd);

  // The caption's icon, from the program's resources.
  void Set_Icon(int resource_id);
  // The program's hand pointer, from its resources, which the form's controls show where they ask for it.
  void Set_Hand_Pointer(int resource_id) { hand_resource_ = resource_id; }
  HCURSOR Hand_Cursor(int dpi);
  // The application-wide pointer shape over the form's windows, which overrides every control's own while it is
  // set (the hourglass during longer work); shown at once.
  void Set_Screen_Pointer(Screen_Pointer pointer);
  Screen_Pointer Screen_Pointer_Now() const { return screen_pointer_; }

 protected:
  App& Program() const { return app_; }
  // Creates the window, hidden, without running Form_Load.
  void Create_Window();
  virtual void Form_Load() {}
  virtual void Form_Unload() {}
  // A request to close: the close box, the system, another program. Unloads the form unless overridden.
  virtual void Form_Close() { Unload(); }
  // The session ends (log-off, shut-down).
  virtual void Form_End_Session() {}
  // The form moved to a monitor of another dpi; suggested is where the system would put it.
  virtual void Form_Dpi_Changed(int /*dpi*/, const RECT& suggested) {
    SetWindowPos(Hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // A key going down; true when the form took it, so that the system's own meaning of it (Alt+F4 closes)
  // does not follow.
  virtual bool Form_KeyDown(int /*Key_Code*/, int /*Shift*/) { return false; }
  virtual void Form_MouseDown(int /*Button*/, int /*Shift*/, int /*X*/, int /*Y*/) {}
  virtual void Form_Default_Key() {}
  virtual void Form_Cancel_Key() {}

  LRESULT Handle_Message(UINT msg, WPARAM wp, LPARAM lp) override;
  void Paint_Content(HDC dc, const RECT& area) override;
  void Holder_Mouse_Down(int Button, int Shift, POINT p) override { Form_MouseDown(Button, Shift, p.x, p.y); }

 private:
  DWORD Style() const;
  RECT Outer_Rect(int client_w, int client_h) const;
  void Run_Form_Unload();

  App& app_;
  std::wstring caption_;
  Border_Style border_;
  COLORREF back_color_ = RGB(0, 0, 0);
  bool dialog_ = false;
  bool unloaded_ = false;
  int hand_resource_ = 0;
  std::map<int, Cursor> hands_;  // by size
  Screen_Pointer screen_pointer_ = Screen_Pointer::Default;
};

}  // namespace toolkit
