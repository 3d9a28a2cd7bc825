// Benchmark under Wine: the real saver's window thread in a paced slideshow of two photograph-like pictures of the
// screen's size, fitted (reveal 2 s, hold 1 s). A message sent every few milliseconds measures how long the thread
// takes to answer: the longest answer is its longest step. Then a key 1.1 s after a picture is complete, at the start
// of the next painting: how long until the saver ends.
//   qv_step_bench.exe [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/photo_like.h"
#include "tests/wine/fixtures.h"

using namespace driver;
using Clock = std::chrono::steady_clock;

namespace {

double Ms_Since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// How long a window takes to answer a message, asked every few milliseconds: its longest step, and the message's
// way there and back (the median answer).
struct Probe {
  HWND window;
  volatile bool stop = false;
  double worst = 0;
  std::vector<double> answers;
  static DWORD WINAPI Run(void* self) {
    auto& p = *static_cast<Probe*>(self);
    while (!p.stop && IsWindow(p.window)) {
      const auto asked = Clock::now();
      DWORD_PTR result = 0;
      if (!SendMessageTimeoutW(p.window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result)) break;
      p.worst = std::max(p.worst, Ms_Since(asked));
      p.answers.push_back(Ms_Since(asked));
      Sleep(3);
    }
    return 0;
  }
};

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
  const int W = GetSystemMetrics(SM_CXSCREEN), H = GetSystemMetrics(SM_CYSCREEN);
  Install install(L"step_bench");
  CreateDirectoryW(install.Path(L"pics").c_str(), nullptr);
  // Eight rows across the screen, which the last pixels of a painting are sure to cross: the picture is complete when
  // they show it, but for the white frame.
  constexpr int Rows = 8;
  std::vector<std::vector<DWORD>> finals;  // each picture's colours along the rows
  for (const unsigned seed : {1u, 2u}) {
    const auto px = Photo_Like(W, H, seed);
    Write_Test_Bmp(install.Path(seed == 1 ? L"pics\\a.bmp" : L"pics\\b.bmp"), W, H,
                   [&](int x, int y) { return static_cast<DWORD>(px[static_cast<std::size_t>(y) * W + x]); });
    auto& along = finals.emplace_back();
    for (int k = 1; k <= Rows; ++k)
      for (int x = 0; x < W; ++x)
        along.push_back(x == 0 || x == W - 1 ? 0xFFFFFF : static_cast<DWORD>(px[static_cast<std::size_t>(H * k / (Rows + 1)) * W + x]));
  }
  Write_Settings(install, install.Path(L"pics"), {0, 1, {1, 1, 1, 1, 1}, 2, 1});
  std::vector<double> longest, median, ended;
  for (int run = 0; run < runs; ++run) {
    Process scr(install.Scr(), L"/s");
    const HWND window = Wait_For_Window(scr.Id(), L"Quorvantile_Main");
    if (!window || !Wait_For([&] { return GetForegroundWindow() == window; })) continue;
    // A thread of its own asks the saver's window thread to answer, again and again, until the saver ends.
    Probe probe{window, false, 0, {}};
    const HANDLE prober = CreateThread(nullptr, 0, &Probe::Run, &probe, 0, nullptr);
    std::optional<Clock::time_point> complete;
    const auto give_up = Clock::now() + std::chrono::seconds(120);
    // The second picture complete: its painting followed a hold, and the next one starts after its own hold.
    while (!complete && Clock::now() < give_up) {
      std::vector<DWORD> seen;
      for (int k = 1; k <= Rows; ++k) {
        const auto row = Capture_Screen({0, H * k / (Rows + 1), W, H * k / (Rows + 1) + 1});
        seen.insert(seen.end(), row.begin(), row.end());
      }
      if (seen == finals[1]) complete = Clock::now();
    }
    if (complete) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::max(0.0, 1100 - Ms_Since(*complete))),
                                QS_ALLINPUT);
      const auto pressed = Clock::now();
      Press_Key(VK_SPACE);
      if (scr.Wait_Exit(60000)) ended.push_back(Ms_Since(pressed));
    }
    probe.stop = true;
    WaitForSingleObject(prober, 60000);
    CloseHandle(prober);
    if (complete) {
      longest.push_back(probe.worst);
      std::sort(probe.answers.begin(), probe.answers.end());
      if (!probe.answers.empty()) median.push_back(probe.answers[probe.answers.size() / 2]);
    }
  }
  if (ended.empty()) return std::printf("window thread at %d x %d: NO RUN ENDED\n", W, H), 1;
  std::sort(longest.begin(), longest.end());
  std::sort(ended.begin(), ended.end());
  std::printf(
      "window thread in a paced slideshow at %d x %d (%zu runs): longest step %.0f ms (%.0f to %.0f; a message's way "
      "there and back %.1f ms); a key at the start of a painting ended the saver %.0f ms later (%.0f to %.0f)\n",
      W, H, ended.size(), longest[longest.size() / 2], longest.front(), longest.back(), median.front(),
      ended[ended.size() / 2], ended.front(), ended.back());
}
