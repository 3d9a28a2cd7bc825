// Benchmark under Wine: one big picture's road on the worker, fitted to a screen of the size given (1920 x 1080
// unless told), after a small one that has started the worker: the time from the request to the painting ready, and
// the process's peak memory beside its memory before, with the prepared painting's own share. One big picture a run,
// so that the peak is that picture's.
//   qv_big_picture_bench.exe SMALL PICTURE [SCREEN_W SCREEN_H]
#include <windows.h>
#include <ole2.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "saver/painting_road.h"
#include "toolkit/portable/ansi.h"

using namespace Quorvantile_B;
using Clock = std::chrono::steady_clock;

namespace {

double Mib(std::size_t bytes) { return bytes / 1048576.0; }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return std::puts("usage: qv_big_picture_bench SMALL PICTURE [SCREEN_W SCREEN_H]"), 2;
  const int W = argc > 4 ? std::atoi(argv[3]) : 1920, H = argc > 4 ? std::atoi(argv[4]) : 1080;
  OleInitialize(nullptr);
  Catalogue pictures;
  pictures.Pict_List.push_back(toolkit::From_Ansi(argv[1]));
  pictures.Pict_List.push_back(toolkit::From_Ansi(argv[2]));
  pictures.Pict_Count = 2;
  Painting_Road road(pictures, 1);
  const auto answer_to = [&](std::int16_t picture) {
    road.Ask({static_cast<std::uint32_t>(picture), picture, W, H, 0, 0, {}});
    std::optional<Painting_Answer> answer;
    while (!(answer = road.Take()) && WaitForSingleObject(road.Answer_Event(), 600000) == WAIT_OBJECT_0) {
    }
    return answer;
  };
  answer_to(1);
  PROCESS_MEMORY_COUNTERS before{};
  GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before);

  const auto start = Clock::now();
  const std::optional<Painting_Answer> answer = answer_to(2);
  const double ready = std::chrono::duration<double>(Clock::now() - start).count();
  PROCESS_MEMORY_COUNTERS after{};
  GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after);
  const bool painted = answer && answer->Loaded && answer->Prepared;
  std::printf("%s, fitted to %d x %d: painting ready %.2f s after the request%s; peak memory %.0f MiB (%.0f MiB "
              "before), the prepared painting %.0f MiB of it\n",
              argv[2], W, H, ready, painted ? "" : " (NOT LOADED)", Mib(after.PeakWorkingSetSize),
              Mib(before.WorkingSetSize), painted ? Mib(answer->Prepared->Bytes()) : 0.0);
}
