#pragma once
// A form: a top-level window owned by the program's hidden owner window, with windowless controls that it
// draws and to which it routes mouse presses. Derived forms override the handlers they need.
#include <windows.h>

#include <string>

#include "toolkit/windowless.h"

namespace toolkit {

enum class Border_Style { None, Fixed_Single };

class Form {
 public:
  Form(std::wstring caption, Border_Style border);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Creates the window, hidden, and runs Form_Load.
  void Load();
  // Creates the window, hidden, without running Form_Load.
  void Create_Window();
  // Shows the form and gives it the keyboard.
  void Show();
  // Shows the form and leaves the keyboard where it is.
  void Show_Inactive();
  // Shows the form and returns once it has been unloaded. Tab moves between its controls, Esc and Enter
  // reach Form_Cancel_Key and Form_Default_Key.
  void Show_Modal();
  // Unloads the form: Form_Unload runs, then the window goes.
  void Unload();

  HWND Hwnd() const { return hwnd_; }
  void Set_Back_Color(COLORREF color);

  // The form's own outer position and size, in twips.
  void Move_Twips(double left, double top, double width, double height);
  // The outer size in twips of a form of this style whose client area is w x h pixels.
  double Outer_Width_Twips(int client_w) const;
  double Outer_Height_Twips(int client_h) const;

 protected:
  virtual void Form_Load() {}
  virtual void Form_Unload() {}
  virtual void Form_KeyDown(int /*Key_Code*/, int /*Shift*/) {}
  virtual void Form_MouseDown(int /*Button*/, int /*Shift*/, int /*X*/, int /*Y*/) {}
  virtual void Form_Default_Key() {}
  virtual void Form_Cancel_Key() {}

  // Registers a windowless control; later ones are drawn above earlier ones.
  void Add_Control(Windowless_Control& control) { host_.Add(control); }

  virtual LRESULT Handle_Message(UINT msg, WPARAM wp, LPARAM lp);

 private:
  static LRESULT CALLBACK Window_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  DWORD Style() const;
  void Paint();
  bool Modal_Key(const MSG& msg);

  std::wstring caption_;
  Border_Style border_;
  HWND hwnd_ = nullptr;
  COLORREF back_color_ = RGB(0, 0, 0);
  bool unloaded_ = false;
  Windowless_Host host_;
};

// The Shift argument of key and mouse handlers: 1 Shift, 2 Ctrl, 4 Alt.
int Shift_State();

}  // namespace toolkit
