#include "toolkit/system/clock.h"

#include <windows.h>

namespace toolkit {

std::uint32_t Precise_Ms() {
  LARGE_INTEGER count, frequency;
  if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0 || !QueryPerformanceCounter(&count))
    return GetTickCount();
  const LONGLONG f = frequency.QuadPart, c = count.QuadPart;
  return static_cast<std::uint32_t>(c / f * 1000 + c % f * 1000 / f);
}

}  // namespace toolkit
