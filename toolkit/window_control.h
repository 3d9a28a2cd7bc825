#pragma once
// A control with a window of its own (command button, list box). Its holder passes it the notifications
// that the system sends to the holder, and shows the hand pointer over it where it asks for one.
#include <windows.h>

namespace toolkit {

class Window_Control {
 public:
  virtual ~Window_Control();
  HWND Hwnd() const { return hwnd_; }
  bool Hand_Pointer = false;

  // A notification code that the system sent to the holder about this control.
  virtual void Reflected_Command(int /*code*/) {}

  // The control behind a window, or null.
  static Window_Control* From(HWND hwnd);

 protected:
  void Attach(HWND hwnd);

 private:
  HWND hwnd_ = nullptr;
};

// What every holder of controls does with the messages that concern them: WM_SETCURSOR (the hand over
// controls that want it) and WM_COMMAND (passed on to the control). True when the message was taken.
class Windowless_Host;
bool Handle_Holder_Message(HWND self, const Windowless_Host& host, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace toolkit
