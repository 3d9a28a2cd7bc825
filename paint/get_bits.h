#pragma once
// Reading a bitmap's pixels into a top-down array of raw pixels (0x00RRGGBB).
#include <windows.h>

#include "paint/paint_arrays.h"

namespace Quorvantile_B {

// Copies the bitmap, selected into dc, into bits, which the caller has sized to it. Returns true when the system
// delivered no rows (or the memory to take them could not be had): bits then stays as it was. Raises nothing: it
// runs on the worker.
bool Get_Bits(HDC dc, HBITMAP bitmap, Grid<std::int32_t>& bits) noexcept;

}  // namespace Quorvantile_B
