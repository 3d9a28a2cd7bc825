#pragma once
// The settings dialog's shared drawing: the tiled texture, the 3-D edge and the zoom animations.
#include <windows.h>

#include <cstdint>

#include "toolkit/controls/picture_box.h"

namespace Quorvantile_B {

// Tiles the texture over the whole of the target, into its persistent surface; shown at the target's next Refresh.
void Paint_Back(const toolkit::Surface& texture, toolkit::Picture_Box& target);

// A 3-D edge of the given style around the target's inner area.
void Draw_Edge(toolkit::Picture_Box& target, std::int32_t edge);

// A title bar grows out of the remembered pointer position to the window, and shrinks back into it.
void Zoom_Open(HWND window, std::int16_t Cursor_X, std::int16_t Cursor_Y);
void Zoom_Close(HWND window, std::int16_t Cursor_X, std::int16_t Cursor_Y);

}  // namespace Quorvantile_B
