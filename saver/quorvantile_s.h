#pragma once
// The saver screen: a borderless, topmost black window over every monitor that shows the pictures one after
// another, each monitor its own, until a key or a mouse button ends it. The windows, the input and the ending are
// its own; the slideshow engine moves the pictures on, and the painting road prepares them on the worker.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/pict_list.h"
#include "catalogue/play_order.h"
#include "saver/display_canvas.h"
#include "saver/painting_road.h"
#include "saver/slideshow.h"
#include "settings/settings_values.h"
#include "toolkit/controls/form.h"
#include "toolkit/controls/picture_box.h"
#include "toolkit/portable/random.h"

namespace Quorvantile_B {

// The saver screen's caption, by which a new start recognises a running saver.
inline constexpr wchar_t Saver_Caption[] = L"Quorvantile_Main";

class Quorvantile_S : public toolkit::Form, private toolkit::Stepped_Work, private Slideshow_Clock {
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
  // One monitor's share of the screen: the visible surface of its paintings, as the slideshow's canvas.
  struct Monitor {
    toolkit::Picture_Box Display;
    std::optional<Display_Canvas> Canvas;
  };

  // One round of the slideshow, after which the loop takes every pending message and waits for the next frame, an
  // answer of the worker or input.
  toolkit::Next_Step Step() override;
  HANDLE Wake_Handle() const override { return road_.Answer_Event(); }
  std::uint32_t Now() override;
  void Add_Monitor(const RECT& area);
  void Display_MouseDown(int Button, int Shift, int X, int Y);
  void End_Saver();
  // Quits without asking: the saver flags, the cursor, the end of the program.
  [[noreturn]] void Quit_Saver();

  const Catalogue pictures_;
  const std::wstring Mode_Letter;
  // The value returned by the last cursor show or hide.
  int Cursor_Count = 0;
  // The play order's draws, re-seeded from the clock before each one.
  toolkit::Random_Generator Rnd = toolkit::Random_Generator::From_Clock();
  // Built only when there are pictures.
  std::optional<Play_List> play_;
  // The primary monitor first. Before the road, so that the worker ends before the canvases it reads go.
  std::vector<std::unique_ptr<Monitor>> monitors_;
  Painting_Road road_;
  std::optional<Slideshow> show_;
};

// True when the user may leave the saver: asks the 95 family's password check.
bool Password_Check_Passes(HWND saver);

}  // namespace Quorvantile_B
