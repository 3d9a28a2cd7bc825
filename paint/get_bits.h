#pragma once
// Reading a picture box's pixels into a top-down array of raw pixels (0x00RRGGBB).
#include "paint/paint_arrays.h"
#include "toolkit/system/surface.h"

namespace Quorvantile_B {

// Copies the surface's bitmap into bits, which the caller has sized to it. Returns true when the system
// delivered no rows: bits then stays as it was.
bool Get_Bits(const toolkit::Surface& surface, Grid<std::int32_t>& bits);

}  // namespace Quorvantile_B
