// Benchmark under Wine: how long the real saver's reveal of a photograph-like picture lasts, fitted to the whole
// screen, from the white canvas to the picture complete, for a setting of the reveal's length and the hold.
//   qv_reveal_bench.exe PAINT_SECONDS HOLD_SECONDS [REVEALS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/photo_like.h"
#include "tests/wine/fixtures.h"

using namespace driver;
using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
  if (argc < 3) return std::puts("usage: qv_reveal_bench PAINT_SECONDS HOLD_SECONDS [REVEALS]"), 2;
  const int paint = std::atoi(argv[1]), hold = std::atoi(argv[2]), reveals = argc > 3 ? std::atoi(argv[3]) : 1;
  const int W = GetSystemMetrics(SM_CXSCREEN), H = GetSystemMetrics(SM_CYSCREEN);
  Install install(L"reveal_bench");
  CreateDirectoryW(install.Path(L"pics").c_str(), nullptr);
  // Two pictures of the screen's size, so that each is shown as it is: the screen then shows it exactly, but for
  // the canvas's white frame.
  std::vector<std::vector<DWORD>> finals;
  for (const unsigned seed : {1u, 2u}) {
    const auto px = Photo_Like(W, H, seed);
    const std::wstring name = seed == 1 ? L"pics\\a.bmp" : L"pics\\b.bmp";
    Write_Test_Bmp(install.Path(name), W, H,
                   [&](int x, int y) { return static_cast<DWORD>(px[static_cast<std::size_t>(y) * W + x]); });
    std::vector<DWORD>& final = finals.emplace_back(px.begin(), px.end());
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x)
        if (x == 0 || y == 0 || x == W - 1 || y == H - 1) final[static_cast<std::size_t>(y) * W + x] = 0xFFFFFF;
  }
  Write_Settings(install, install.Path(L"pics"), {0, 1, {1, 1, 1, 1, 1}, paint, hold});
  Process scr(install.Scr(), L"/s");
  if (!Wait_For_Window(scr.Id(), L"Quorvantile_Main")) return std::puts("reveal bench: no saver screen"), 1;

  // A reveal starts when the screen turns (nearly) white, and ends when it shows a picture exactly.
  std::vector<double> lengths;
  Clock::time_point start{};
  bool started = false;
  const auto give_up = Clock::now() + std::chrono::seconds(60 + reveals * (paint + hold + 20));
  while (static_cast<int>(lengths.size()) < reveals && Clock::now() < give_up) {
    const auto shown = Capture_Screen({0, 0, W, H});
    const auto now = Clock::now();
    std::size_t white = 0;
    for (std::size_t i = 0; i < shown.size(); i += 7) white += shown[i] == 0xFFFFFF;
    if (white * 7 > shown.size() * 9 / 10) {
      start = now;
      started = true;
    } else if (started && std::find(finals.begin(), finals.end(), shown) != finals.end()) {
      lengths.push_back(std::chrono::duration<double>(now - start).count());
      started = false;
    }
  }
  if (lengths.empty()) return std::printf("reveal at %d x %d, setting %d s: NO REVEAL SEEN\n", W, H, paint), 1;
  std::sort(lengths.begin(), lengths.end());
  std::printf(
      "reveal of a %d x %d photograph-like picture, reveal setting %d s, hold %d s: %.2f s (%zu reveals, %.2f to "
      "%.2f s)\n",
      W, H, paint, hold, lengths[lengths.size() / 2], lengths.size(), lengths.front(), lengths.back());
}
