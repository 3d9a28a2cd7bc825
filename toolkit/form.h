#pragma once
// A form: a top-level window owned by the program's hidden owner window, with windowless controls that it
// draws and to which it routes mouse presses. Derived forms override the handlers they need.
#include <windows.h>

#include <string>
#include <vector>

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
  void Show();
  // Unloads the form: Form_Unload runs, then the window goes.
  void Unload();

  HWND Hwnd() const { return hwnd_; }
  void Set_Back_Color(COLORREF color);

  // The form's own outer position and size, in twips.
  void Move_Twips(double left, double top, double width, double height);

 protected:
  virtual void Form_Load() {}
  virtual void Form_Unload() {}
  virtual void Form_KeyDown(int /*Key_Code*/, int /*Shift*/) {}
  virtual void Form_MouseDown(int /*Button*/, int /*Shift*/, int /*X*/, int /*Y*/) {}

  // Registers a windowless control; later ones are drawn above earlier ones.
  void Add_Control(Windowless_Control& control) { controls_.push_back(&control); }

  virtual LRESULT Handle_Message(UINT msg, WPARAM wp, LPARAM lp);

 private:
  static LRESULT CALLBACK Window_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Paint();
  void Mouse_Down(int button, WPARAM wp, LPARAM lp);

  std::wstring caption_;
  Border_Style border_;
  HWND hwnd_ = nullptr;
  COLORREF back_color_ = RGB(0, 0, 0);
  bool unloaded_ = false;
  std::vector<Windowless_Control*> controls_;
};

// The Shift argument of key and mouse handlers: 1 Shift, 2 Ctrl, 4 Alt.
int Shift_State();

}  // namespace toolkit
