// The process entry: the runtime is set up, Main runs, and the program's one message loop runs while a form is open.
#include <windows.h>
#include <objbase.h>

#include <exception>

#include "main/startup.h"
#include "toolkit/system/process.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  OleInitialize(nullptr);
  try {
    toolkit::App app;
    const std::unique_ptr<toolkit::Form> open = Quorvantile_B::Main(app);
    app.Run();
  } catch (const std::exception&) {
    // Start-up handles no errors of its own: one that reaches here (a window that cannot be made, memory that
    // cannot be had) ends the program.
    toolkit::End_Program();
  }
}
