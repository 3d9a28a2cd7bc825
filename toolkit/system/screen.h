#pragma once
// The screens in pixels, and how many pixels make an inch.
#include <windows.h>

#include <vector>

namespace toolkit {

struct Screen_Area {
  int X = 0, Y = 0, W = 0, H = 0;
};

// The primary monitor, whose top-left corner is (0, 0).
Screen_Area Primary_Screen();
// The rectangle around every monitor; the primary one where the system knows no other (Windows 95).
Screen_Area Virtual_Screen();
// Every monitor, the primary one first, in the order the system lists the others.
std::vector<Screen_Area> Monitors();

// The screen's dots per inch across and down (96 on a usual display), read once: they hold for the run.
struct Dots_Per_Inch {
  int X = 96, Y = 96;
};
Dots_Per_Inch Screen_Dpi();
// The dots per inch the layout scales by.
inline int System_Dpi() { return Screen_Dpi().Y; }
// The dots per inch of the monitor that shows the window, where the system tells it; else the screen's.
int Window_Dpi(HWND hwnd);
// The screen's twips per pixel (15 on a usual 96-dpi display).
inline double Twips_Per_Pixel_X() { return 1440.0 / Screen_Dpi().X; }
inline double Twips_Per_Pixel_Y() { return 1440.0 / Screen_Dpi().Y; }
// A length of the 96-dpi layout at another dpi.
inline int Scale(int length, int dpi) { return MulDiv(length, dpi, 96); }

}  // namespace toolkit
