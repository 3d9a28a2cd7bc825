#pragma once
// The system's picture loader, for the kinds the program does not decode itself: bitmaps, GIFs and placeable
// Windows metafiles, read whole at their natural size (Decode_File in picture.h chooses).
#include "toolkit/system/picture.h"

namespace toolkit {

std::optional<Decoded_Picture> Decode_With_System(const std::wstring& path, Dots_Per_Inch dpi, Lending lending) noexcept;

}  // namespace toolkit
