#pragma once
// The system's finest clock, for shares of time shorter than GetTickCount's ticks of 10 to 16 ms.
#include <cstdint>

namespace toolkit {

// Milliseconds of the performance counter, wrapping; GetTickCount's where the system has no such counter.
std::uint32_t Precise_Ms();

}  // namespace toolkit
