// Benchmark under Wine: how long the saver takes to end after a key press, over 20 starts.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "tests/wine/driver.h"
#include "tests/wine/fixtures.h"

using namespace driver;

int main() {
  Install install(L"latency");
  CreateDirectoryW(install.Path(L"pics").c_str(), nullptr);
  Write_Test_Bmp(install.Path(L"pics\\a.bmp"), 800, 600, Pattern);
  Write_Test_Bmp(install.Path(L"pics\\b.bmp"), 640, 480, [](int x, int y) { return Pattern(y, x); });
  Write_Settings(install, install.Path(L"pics"), {0, 1});
  std::vector<double> ms;
  for (int i = 0; i < 20; ++i) {
    Process scr(install.Scr(), L"/s");
    const HWND window = Wait_For_Window(scr.Id(), L"Quorvantile_Main");
    if (!window || !Wait_For([&] { return GetForegroundWindow() == window; })) continue;
    Sync_With(window);
    const auto start = std::chrono::steady_clock::now();
    Press_Key(VK_SPACE);
    if (!scr.Wait_Exit()) continue;
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  if (ms.empty()) return std::puts("key-press latency: no run ended"), 1;
  std::printf("key press to process end, %zu runs: median %.1f ms, worst %.1f ms\n", ms.size(), ms[ms.size() / 2],
              ms.back());
}
