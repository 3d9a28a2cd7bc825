#pragma once
// The one window pattern of the toolkit. An object is bound to its window once, at WM_NCCREATE, through the
// creation parameter; one member handles the messages; the window goes in one place; and what a window shows
// is a function of a device context, reached from WM_PAINT and WM_PRINTCLIENT alike.
#include <windows.h>

#include <string>

namespace toolkit {

// The mouse button of a button message: 1 left, 2 right, 4 middle; 0 for any other message.
int Mouse_Button(UINT msg);
bool Is_Button_Down(UINT msg);
bool Is_Button_Up(UINT msg);
// The client point of a mouse message.
POINT Mouse_Point(LPARAM lp);
// The Shift argument of key and mouse handlers: 1 Shift, 2 Ctrl, 4 Alt.
int Shift_State();

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Hwnd() const { return hwnd_; }
  // The object behind a window of the program's own classes; null for any other window.
  static Window* From(HWND hwnd);

 protected:
  // Creates the window of the named class (registered on first use).
  void Create(const wchar_t* class_name, DWORD ex_style, const std::wstring& text, DWORD style, int x, int y, int w,
              int h, HWND parent);
  // Every message of the window; the default paints through Paint_Content and leaves the rest to the system.
  virtual LRESULT Handle_Message(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp);
  // Draws what the window shows; area is what needs drawing, in client coordinates.
  virtual void Paint_Content(HDC /*dc*/, const RECT& /*area*/) {}

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
};

}  // namespace toolkit
