#pragma once
// The saver screen: a borderless, topmost, full-screen black window that shows the pictures one after
// another until a key or a mouse button ends it.
#include <cstdint>

#include "toolkit/form.h"
#include "toolkit/picture_box.h"

namespace Quorvantile_B {

// The saver screen's caption, by which a new start recognises a running saver.
inline constexpr wchar_t Saver_Caption[] = L"Quorvantile_Main";

class Quorvantile_S : public toolkit::Form {
 public:
  Quorvantile_S();

  // The visible surface of the painting.
  toolkit::Picture_Box Display;
  // The picture as placed for the screen: what the painting reveals.
  toolkit::Picture_Box Master;
  // Each picture file is loaded here at its natural size.
  toolkit::Picture_Box Pic_Orgn;

  // The primary screen's size in pixels, and where it lies in the form, which covers every monitor.
  std::int16_t Scr_W = 0, Scr_H = 0;
  int Scr_X = 0, Scr_Y = 0;
  std::int16_t Play_Pos = 0;

  // Creates the three picture boxes; Form_Load does it, tests of the placement call it alone.
  void Create_Controls();
  void Next_Picture();
  void Paint_Picture();
  // Its steps up to the passes: Display centred, cleared and shown, the pixels read and prepared.
  void Prepare_Painting();
  [[noreturn]] void Slide_Loop();
  void End_Saver();
  // Quits without asking: the saver flags, the cursor, the end of the program.
  [[noreturn]] void Quit_Saver();

 protected:
  void Form_Load() override;
  // A request to close from outside (Task Manager, the system) is an end like a key; the end of the session
  // and a window destroyed from outside quit without asking.
  void Form_Close() override { End_Saver(); }
  void Form_End_Session() override { Quit_Saver(); }
  void Form_Unload() override { Quit_Saver(); }
  void Form_KeyDown(int Key_Code, int Shift) override;
  void Form_MouseDown(int Button, int Shift, int X, int Y) override;

 private:
  void Display_MouseDown(int Button, int Shift, int X, int Y);
  void Place_Into_Master(const std::wstring& path);
};

// True when the user may leave the saver: asks the 95 family's password check.
bool Password_Check_Passes(HWND saver);

}  // namespace Quorvantile_B
