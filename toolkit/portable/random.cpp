#include "toolkit/portable/random.h"

#include <chrono>
#include <cstring>
#include <ctime>

#ifdef _WIN32
#include <windows.h>
#endif

namespace toolkit {
namespace {

std::uint64_t Mix(std::uint64_t z) {  // splitmix64's finaliser
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

void Random_Generator::Reseed(double clock) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &clock, sizeof bits);
  state_ = Mix(state_ ^ Mix(bits));
}

double Random_Generator::Next() {
  state_ += 0x9E3779B97F4A7C15ull;
  return static_cast<double>(Mix(state_) >> 11) * 0x1.0p-53;
}

Random_32::Random_32(Random_Generator& seed) {
  for (std::uint32_t& s : s_) s = static_cast<std::uint32_t>(seed.Next() * 4294967296.0) | 1;  // never all zero
}

Random_Generator Random_Generator::From_Clock() {
  return Random_Generator(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

double Timer() {
#ifdef _WIN32
  // The system's own clock: the C runtime's local time needs more than the oldest systems have.
  SYSTEMTIME local{};
  GetLocalTime(&local);
  return local.wHour * 3600.0 + local.wMinute * 60.0 + local.wSecond + local.wMilliseconds / 1000.0;
#else
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const double whole = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
  const auto since_second = now - system_clock::from_time_t(t);
  return whole + duration<double>(since_second).count();
#endif
}

}  // namespace toolkit
