#pragma once
// Values of the painting shared with the saver screen.
#include <cstdint>

namespace Quorvantile_B {

// The brightness range of a painted region; the saver screen sets it when it loads.
inline std::int16_t Sum_Range = 0;

}  // namespace Quorvantile_B
