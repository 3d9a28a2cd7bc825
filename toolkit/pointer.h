#pragma once
// Mouse pointers: the program's hand pointer, and the application-wide pointer shape that overrides every
// control's own while it is set (the hourglass during longer work).
#include <windows.h>

namespace toolkit {

enum class Screen_Pointer { Default = 0, Hourglass = 11 };

void Set_Screen_Pointer(Screen_Pointer pointer);
Screen_Pointer Get_Screen_Pointer();

// The hand with raised index finger, from the executable's resources.
HCURSOR Hand_Cursor();

// Sets the pointer for a window that received WM_SETCURSOR: the screen pointer when one is set, else the
// hand where wants_hand, else the arrow. Returns TRUE for the window procedure.
LRESULT Apply_Pointer(bool wants_hand);

}  // namespace toolkit
