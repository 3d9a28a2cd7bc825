#pragma once
// The saver screen: a borderless, topmost black window over every monitor that shows the pictures one after
// another, each monitor its own, until a key or a mouse button ends it.
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/pict_list.h"
#include "catalogue/play_order.h"
#include "paint/pace.h"
#include "paint/painting.h"
#include "settings/settings_values.h"
#include "toolkit/controls/form.h"
#include "toolkit/controls/picture_box.h"
#include "toolkit/portable/random.h"
#include "toolkit/system/picture_loader.h"
#include "toolkit/system/surface.h"

namespace Quorvantile_B {

// The saver screen's caption, by which a new start recognises a running saver.
inline constexpr wchar_t Saver_Caption[] = L"Quorvantile_Main";

// The brightness window of a region of the painting.
constexpr std::int16_t Sum_Range = 100;

class Quorvantile_S : public toolkit::Form, private toolkit::Stepped_Work {
 public:
  // Mode_Letter is the command line's ("S" hides the pointer while the saver runs, and asks the 95 family's password
  // check at the end).
  Quorvantile_S(toolkit::App& app, const Settings& settings, Catalogue pictures, std::wstring Mode_Letter);

 protected:
  void Form_Load() override;
  // A request to close from outside (Task Manager, the system) is an end like a key; the end of the session
  // and a window destroyed from outside quit without asking.
  void Form_Close() override { End_Saver(); }
  void Form_End_Session() override { Quit_Saver(); }
  void Form_Unload() override { Quit_Saver(); }
  // Every key ends the saver, the system's own (Alt+F4) included, which then does nothing more.
  bool Form_KeyDown(int Key_Code, int Shift) override;
  void Form_MouseDown(int Button, int Shift, int X, int Y) override;

 private:
  // One monitor's share of the screen: where it lies in the form and its size in pixels, its canvas and its
  // working picture, and where its picture is on its road: asked of the loader, painted, or finished and held.
  struct Monitor {
    int Scr_X = 0, Scr_Y = 0;
    std::int16_t Scr_W = 0, Scr_H = 0;
    // The visible surface of the painting.
    toolkit::Picture_Box Display;
    // The picture as placed for the monitor: what the painting reveals.
    toolkit::Surface Master;
    enum class Stage { Waiting, Painting, Holding } Now = Stage::Waiting;
    bool Asked = false;   // its next picture asked of the loader
    bool Placed = false;  // its next picture in Master, to be painted
    std::optional<Painting> Painting_Now;
    DWORD Reveal_Start = 0, Next_Frame = 0, Hold_End = 0;
  };
  // Tests and tools that drive the saver's steps in their own process.
  friend struct Saver_Test_Seam;

  // One round of the slideshow: the pictures the loader has read are placed, and every monitor moves on: a frame
  // of its painting (at full speed, a growth layer), the end of its hold. Then the loop takes every pending message,
  // and waits for the next frame, the next picture or input.
  toolkit::Next_Step Step() override;
  HANDLE Wake_Handle() const override { return loader_.Answer_Event(); }
  void Add_Monitor(const RECT& area);
  // The monitor's next picture of the play order, asked of the loader.
  void Ask_Next_Picture(Monitor& m);
  // The loader's answer, for the monitor that asked first: the picture loaded into Pic_Orgn, or Pic_Orgn as it
  // was, placed into the monitor's Master.
  void Receive_Picture(toolkit::Picture_Loader::Answer answer);
  void Place_Into_Master(Monitor& m, bool loaded);
  // Moves the monitor on; the milliseconds until it next wants to, or INFINITE while it waits for a picture.
  DWORD Move_On(Monitor& m, DWORD now);
  void Start_Painting(Monitor& m, DWORD now);
  // A frame of the monitor's painting, shown; false once the painting has ended.
  bool Paint_Frame_Of(Monitor& m, DWORD now);
  void End_Reveal(Monitor& m, DWORD now);
  // Display centred on the monitor, cleared and shown, and the painting of Master's pixels made.
  Painting Prepare_Painting(Monitor& m);
  // One growth layer of the monitor's painting, which starts with its preparation; false once it has ended.
  bool Paint_Step(Monitor& m);
  void Display_MouseDown(int Button, int Shift, int X, int Y);
  void End_Saver();
  // Quits without asking: the saver flags, the cursor, the end of the program.
  [[noreturn]] void Quit_Saver();

  const std::int16_t Size_Mode;
  // The reveal's length and the hold, in milliseconds.
  const std::uint32_t Paint_Ms, Hold_Ms;
  const Catalogue pictures_;
  // Built only when there are pictures.
  std::optional<Play_List> play_;
  const std::wstring Mode_Letter;
  // The value returned by the last cursor show or hide.
  int Cursor_Count = 0;
  // The saver's random numbers: the play order's draws and every painting's seed order.
  toolkit::Random_Generator Rnd = toolkit::Random_Generator::From_Clock();
  // Reads the pictures; its answers' pixels must go before it.
  toolkit::Picture_Loader loader_;
  // The last picture loaded, at its natural size, from its arrival until it is placed into the monitor's Master.
  toolkit::Surface Pic_Orgn;
  // The monitors whose pictures the loader reads, in the order asked.
  std::deque<Monitor*> asked_;
  // The primary monitor first.
  std::vector<std::unique_ptr<Monitor>> monitors_;
};

// True when the user may leave the saver: asks the 95 family's password check.
bool Password_Check_Passes(HWND saver);

}  // namespace Quorvantile_B
