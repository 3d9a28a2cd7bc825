// Benchmark under Wine: the saver on one big picture after a small one, fitted to the screen. How long from the
// end of the small one's painting to the big one's first painted pixel, the picture read on the loader's thread
// meanwhile, and the process's peak memory. One picture a run, so that the peak is that picture's.
//   qv_big_picture_bench.exe SMALL BIG
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>

#include "tests/soak/saver_test_seam.h"
#include "toolkit/portable/ansi.h"

using namespace Quorvantile_B;
using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
  if (argc < 3) return std::puts("usage: qv_big_picture_bench SMALL BIG"), 2;
  OleInitialize(nullptr);
  toolkit::App app;
  Settings fitted;
  fitted.Size_Mode = 1;
  Saver_Test_Seam::Road monitor(app, {toolkit::From_Ansi(argv[1]), toolkit::From_Ansi(argv[2])}, fitted);
  monitor.Next();
  monitor.Paint();

  const auto start = Clock::now();
  monitor.Next();
  const double loaded = std::chrono::duration<double>(Clock::now() - start).count();
  monitor.Step();
  const double first = std::chrono::duration<double>(Clock::now() - start).count();
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  std::printf(
      "%s: first pixel %.2f s after the last picture's end (%.2f s of it on the loader's thread); "
      "peak memory %.0f MiB; shown at %d x %d\n",
      argv[2], first, loaded, counters.PeakWorkingSetSize / 1048576.0, monitor.Pic_Orgn().Width(),
      monitor.Pic_Orgn().Height());
}
