#pragma once
// A picture standing upright as its EXIF orientation says.
#include "toolkit/system/picture.h"

namespace Quorvantile_B {

// Turns a decoded picture stored on its side, or mirrored, upright; leaves one stored upright as it is. Raises
// nothing: it runs on the loader's thread. Where memory is short the picture stays as stored.
void Stand_Upright(toolkit::Decoded_Picture& picture) noexcept;

}  // namespace Quorvantile_B
