// The process entry: the runtime is set up, Main runs, and the program lives while a form is open.
#include <windows.h>
#include <objbase.h>

#include <exception>

#include "main/startup.h"
#include "toolkit/system/app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  OleInitialize(nullptr);
  try {
    Quorvantile_B::Main();
  } catch (const std::exception&) {
    // Start-up handles no errors of its own: one that reaches here ends the program.
    toolkit::End_Program();
  }
  toolkit::Run_Message_Loop();
}
