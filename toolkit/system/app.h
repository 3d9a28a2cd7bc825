#pragma once
// The application-wide services of the runtime: command line, program folder, the hidden owner window of
// all forms, the yield, the message loop and the end of the program.
#include <windows.h>

#include <string>

namespace toolkit {

// The argument text of the process, without the program's own path; read afresh on every call.
std::wstring Command();

// The folder that holds the executable, without a trailing separator unless it is a drive root.
std::wstring App_Path();

// The program's hidden top-level window that owns all its forms. Closing it ends the program.
HWND Owner_Window();

// The screen's twips per pixel (15 on a usual 96-dpi display).
double Twips_Per_Pixel_X();
double Twips_Per_Pixel_Y();

// Processes every pending window message, then returns.
void Do_Events();

// Runs the message loop until the program ends.
[[noreturn]] void Run_Message_Loop();

// Stops the whole process at once: no unload handler runs afterwards.
[[noreturn]] void End_Program();

}  // namespace toolkit
