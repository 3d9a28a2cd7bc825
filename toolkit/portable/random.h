#pragma once
// The runtime's uniform random generator in [0, 1), re-seeded from the clock where the program asks.
//
// A re-seed mixes the clock into the generator's state instead of replacing the state with a function of
// the clock: two re-seeds within one clock tick therefore still give independent draws.
#include <cstdint>

namespace toolkit {

class Random_Generator {
 public:
  explicit Random_Generator(std::uint64_t state = 0x9E3779B97F4A7C15ull) : state_(state) {}
  // A generator whose state starts from the clock.
  static Random_Generator From_Clock();
  void Reseed(double clock);
  // Uniform in [0, 1) with 53 bits of resolution.
  double Next();

 private:
  std::uint64_t state_;
};

// Uniform whole numbers of 32 bits (xorshift128), seeded from a generator: a draw in [0, 1) of 32 bits' resolution
// is Next() / 2^32, and one in 0 .. n - 1 is (Next() * n) >> 32, all in whole numbers, where a 32-bit processor's
// floating point and 64-bit arithmetic would be slow.
class Random_32 {
 public:
  explicit Random_32(Random_Generator& seed);
  std::uint32_t Next() {
    const std::uint32_t t = s_[0] ^ (s_[0] << 11);
    s_[0] = s_[1], s_[1] = s_[2], s_[2] = s_[3];
    return s_[3] = s_[3] ^ (s_[3] >> 19) ^ t ^ (t >> 8);
  }
  // Uniform in 0 .. n - 1.
  std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>((std::uint64_t{Next()} * n) >> 32); }

 private:
  std::uint32_t s_[4];
};

// Seconds since midnight, with the clock's full resolution.
double Timer();

}  // namespace toolkit
