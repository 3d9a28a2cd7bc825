// Benchmark under Wine: how long the real saver takes to end after a key pressed while it loads a big picture.
// A small picture of one colour is shown first, fitted to the screen; once it is complete the big one is loaded,
// and the key comes 300 ms later.
//   qv_load_key_bench.exe BIG_PICTURE [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/wine/fixtures.h"
#include "toolkit/portable/ansi.h"

using namespace driver;
using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
  if (argc < 2) return std::puts("usage: qv_load_key_bench BIG_PICTURE [RUNS]"), 2;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
  constexpr DWORD Colour = 0x3080C0;
  Install install(L"load_key_bench");
  CreateDirectoryW(install.Path(L"pics").c_str(), nullptr);
  Write_Test_Bmp(install.Path(L"pics\\a.bmp"), 640, 480, [](int, int) { return Colour; });
  CopyFileW(toolkit::From_Ansi(argv[1]).c_str(), install.Path(L"pics\\b.jpg").c_str(), FALSE);
  Write_Settings(install, install.Path(L"pics"), {0, 1});
  const int W = GetSystemMetrics(SM_CXSCREEN), H = GetSystemMetrics(SM_CYSCREEN);
  const POINT inside[] = {{W / 2, H / 2}, {2, 2}, {W - 3, 2}, {2, H - 3}, {W - 3, H - 3}, {W / 3, 2 * H / 3}};
  std::vector<double> ms;
  for (int run = 0; run < runs; ++run) {
    Process scr(install.Scr(), L"/s");
    const HWND window = Wait_For_Window(scr.Id(), L"Quorvantile_Main");
    if (!window || !Wait_For([&] { return GetForegroundWindow() == window; })) continue;
    // The small picture complete: every point shows its colour, which its third pass alone paints.
    if (!Wait_For([&] {
          return std::all_of(std::begin(inside), std::end(inside), [](POINT p) {
            return Capture_Screen({p.x, p.y, p.x + 1, p.y + 1})[0] == Colour;
          });
        }))
      continue;
    Sleep(300);
    const auto pressed = Clock::now();
    Press_Key(VK_SPACE);
    if (!scr.Wait_Exit(60000)) continue;
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - pressed).count());
  }
  if (ms.empty()) return std::puts("key during a big load: no run ended"), 1;
  std::sort(ms.begin(), ms.end());
  std::printf("key pressed 300 ms into the load of %s: the saver ended %.0f ms later (%zu runs, %.0f to %.0f ms)\n",
              argv[1], ms[ms.size() / 2], ms.size(), ms.front(), ms.back());
}
