#pragma once
// A picture file loaded into a picture box at its natural size, standing upright as its EXIF orientation says.
#include <string>

#include "toolkit/controls/picture_box.h"

namespace Quorvantile_B {

// Raises the loader's error for a file that cannot be loaded; the box then keeps what it held.
void Load_Upright(toolkit::Picture_Box& box, const std::wstring& path);

}  // namespace Quorvantile_B
