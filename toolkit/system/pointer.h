#pragma once
// Mouse pointers: the program's hand pointer, and the application-wide pointer shape that overrides every
// control's own while it is set (the hourglass during longer work).
#include <windows.h>

namespace toolkit {

enum class Screen_Pointer { Default = 0, Hourglass = 11 };

// Sets the application-wide pointer and shows the pointer that now belongs under the mouse, at once.
void Set_Screen_Pointer(Screen_Pointer pointer);

// The hand with raised index finger, from the executable's resources, sized for the dpi.
HCURSOR Hand_Cursor(int dpi);

// Sets the pointer for a window that received WM_SETCURSOR: the screen pointer when one is set, else the
// hand where wants_hand, else the arrow. Returns TRUE for the window procedure.
LRESULT Apply_Pointer(bool wants_hand, int dpi);

}  // namespace toolkit
