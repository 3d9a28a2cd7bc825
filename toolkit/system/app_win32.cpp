#include "toolkit/system/app.h"

#include "toolkit/controls/form.h"
#include "toolkit/system/screen.h"
#include "toolkit/system/system_text.h"
#include "toolkit/controls/window.h"

namespace toolkit {
namespace {

// The program's hidden top-level window: closing it ends the program.
class Program_Owner : public Window {
 public:
  Program_Owner() { Create(L"Quorvantile_Owner", 0, L"Quorvantile", WS_POPUP, 0, 0, 0, 0, nullptr); }

 protected:
  LRESULT Handle_Message(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_CLOSE) End_Program();
    return Window::Handle_Message(msg, wp, lp);
  }
};

}  // namespace

std::wstring Command() {
  const std::wstring line = Command_Line();
  const wchar_t* p = line.c_str();
  // Skip the program's own path, quoted or not, then the blanks after it.
  if (*p == L'"') {
    ++p;
    while (*p && *p != L'"') ++p;
    if (*p == L'"') ++p;
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  while (*p == L' ' || *p == L'\t') ++p;
  return p;
}

std::wstring App_Path() {
  std::wstring path = Module_Path();
  const std::size_t slash = path.find_last_of(L"\\/");
  path.resize(slash == std::wstring::npos ? 0 : slash);
  if (path.size() == 2 && path[1] == L':') path += L'\\';  // a drive root keeps its separator
  return path;
}

HWND Owner_Window() {
  static const Program_Owner owner;  // lives until the program ends
  return owner.Hwnd();
}

double Twips_Per_Pixel_X() { return 1440.0 / Screen_Dpi().X; }
double Twips_Per_Pixel_Y() { return 1440.0 / Screen_Dpi().Y; }

void Do_Events() {
  MSG msg;
  while (Peek_Message(msg)) {
    if (msg.message == WM_QUIT) End_Program();
    if (!Form::Take_Modal_Keys(msg)) Dispatch_Message(msg);
  }
}

void Run_Message_Loop() {
  MSG msg;
  while (Get_Message(msg))
    if (!Form::Take_Modal_Keys(msg)) Dispatch_Message(msg);
  End_Program();
}

void End_Program() { ExitProcess(0); }

}  // namespace toolkit
