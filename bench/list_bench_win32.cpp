// Benchmark under Wine: building the picture list of a real folder, and the sort alone beside the
// exchange sort that compares every pair. Prints its figures.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/pict_list.h"

using namespace Quorvantile_B;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds_Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The sort that exchanges entry j and a later entry i whenever j >= i, over every pair.
void Exchange_Sort(std::vector<std::wstring>& list, int count) {
  for (int j = 1; j <= count; ++j)
    for (int i = j + 1; i <= count; ++i)
      if (list[j] >= list[i]) std::swap(list[j], list[i]);
}

}  // namespace

int main() {
  for (const int files : {1000, 32767}) {
    // tools/bench.sh fills the folder (names in a scrambled order, so that the sort has work to do).
    const std::wstring dir = L"C:\\qvbench\\list" + std::to_wstring(files);

    const auto build_start = Clock::now();
    Catalogue pictures = Make_Pict_List(dir, {1, 1, 1, 1, 1}, false);
    const double build = Seconds_Since(build_start);

    std::vector<std::wstring> scrambled = pictures.Pict_List;
    for (std::size_t i = 1; i < scrambled.size(); ++i)
      std::swap(scrambled[i], scrambled[1 + (i * 7919) % (scrambled.size() - 1)]);
    pictures.Pict_List = scrambled;
    const auto sort_start = Clock::now();
    Sort_Pict_List(pictures);
    const double sort = Seconds_Since(sort_start);
    const auto& ours = pictures.Pict_List;

    auto exchange = scrambled;
    const auto exchange_start = Clock::now();
    Exchange_Sort(exchange, pictures.Pict_Count);
    const double exchange_time = Seconds_Since(exchange_start);

    std::printf(
        "picture list, %5d files: build and sort %.3f s; sort %.4f s, exchange sort %.3f s, "
        "ratio %.0fx; same order: %s\n",
        files, build, sort, exchange_time, exchange_time / sort, ours == exchange ? "yes" : "NO");
  }
}
