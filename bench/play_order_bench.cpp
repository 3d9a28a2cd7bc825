// Benchmark: building a random play order, beside the build that scans the flags for every draw.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "catalogue/play_order.h"
#include "toolkit/portable/random.h"

using namespace Quorvantile_B;
using Clock = std::chrono::steady_clock;

namespace {

// Each position takes the r-th free index, found by scanning the flags from the first.
void Scan_Build(std::vector<std::int16_t>& Play_Order, int count, const Draw& draw) {
  std::vector<char> placed(static_cast<std::size_t>(count) + 1, 0);
  int position = 0;
  for (int remaining = count; remaining > 0; --remaining) {
    const int r = static_cast<int>(std::floor(draw() * remaining)) + 1;
    for (int i = 1, k = 0; i <= count; ++i) {
      if (placed[static_cast<std::size_t>(i)]) continue;
      if (++k == r) {
        placed[static_cast<std::size_t>(i)] = 1;
        Play_Order[static_cast<std::size_t>(++position)] = static_cast<std::int16_t>(i);
        break;
      }
    }
  }
}

template <class Build>
double Seconds(Build&& build) {
  const auto start = Clock::now();
  build();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main() {
  toolkit::Random_Generator generator;
  const Draw draw = [&] {
    generator.Reseed(toolkit::Timer());
    return generator.Next();
  };
  for (const int count : {1000, 32767}) {
    std::vector<std::int16_t> order(static_cast<std::size_t>(count) + 1, 0);
    const double ours = Seconds([&] { Make_Play_Order(order, static_cast<std::int16_t>(count), 1, draw); });
    const double scan = Seconds([&] { Scan_Build(order, count, draw); });
    std::printf("random play order, %5d pictures: %.5f s, scanning build %.3f s, ratio %.0fx\n", count, ours, scan,
                scan / ours);
  }
}
