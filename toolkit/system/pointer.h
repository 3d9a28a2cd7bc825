#pragma once
// Mouse pointers: the application-wide pointer shape that overrides every control's own while it is set (the
// hourglass during longer work), and the pointer a window sets over itself.
#include <windows.h>

namespace toolkit {

enum class Screen_Pointer { Default = 0, Hourglass = 11 };

// Sets the pointer for a window that received WM_SETCURSOR: the hourglass while the screen pointer is one, else the
// hand where one is given, else the arrow. Returns TRUE for the window procedure.
LRESULT Apply_Pointer(Screen_Pointer screen, HCURSOR hand);

// Shows the screen pointer at once, and lets the window under the mouse choose again, rather than when the mouse
// next moves.
void Show_Pointer_Now(Screen_Pointer screen);

}  // namespace toolkit
