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

// Seconds since midnight, with the clock's full resolution.
double Timer();

}  // namespace toolkit
