#pragma once
// The settings every mode reads, loaded once per start.
#include <array>
#include <cstdint>
#include <string>

namespace Quorvantile_B {

// 0 sequential order, any other value random.
inline std::int16_t Change_Mode = 0;
// 0 natural size, any other value full screen.
inline std::int16_t Size_Mode = 0;
// One switch per picture kind (bmp, gif, jpg, wmf); exactly 1 means the kind is shown.
inline std::array<std::int16_t, 4> Kind_Flag{};
// The picture folder; empty for none.
inline std::wstring Pict_Folder;

}  // namespace Quorvantile_B
