// Benchmark under Wine: starts on big folders. How long from the start of the process the settings dialog takes to a
// filled list and the saver to its first painting, and a folder scan from the chooser's OK to the listed result, each
// beside the picture-list builder on the same folder and the same start on one picture; then the same starts on a tree
// of folders, with the subfolders switched on. A start counts its best of three, so that the first start of the
// bench, slower while Wine warms up, does not stand for it.
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "catalogue/pict_list.h"
#include "tests/wine/fixtures.h"

using namespace driver;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds_Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

bool Listed(const Open_Dialog& d, int count) {
  return Wait_For([&] { return Ask(d.List, LB_GETCOUNT) == count; }, 120000);
}

template <class Start>
double Best_Of_Three(Start start) {
  double best = start();
  for (int i = 0; i < 2; ++i) best = std::min(best, start());
  return best;
}

// Seconds from the start of the dialog on the folder to its list filled, or a negative number.
double Dialog_Start(const std::wstring& folder, int files, const Saver_Settings& settings) {
  const auto start = Clock::now();
  Open_Dialog opened(L"dialog_bench", folder, settings);
  return opened.window && Listed(opened, files) ? Seconds_Since(start) : -1;
}

// Seconds from the start of the saver on the folder to the first pixel of its first painting in the middle of the
// screen (the folder's pictures are 8 x 8), or a negative number.
double Saver_Start(const std::wstring& folder, const Saver_Settings& settings) {
  Install install(L"start_bench");
  Write_Settings(install, folder, settings);
  const auto start = Clock::now();
  Process scr(install.Scr(), L"/s");
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
  const bool ok = Wait_For(
      [&] {
        const HWND shown = Window_Of(scr.Id(), nullptr, L"Quorvantile_Main");
        const DWORD px = shown && IsWindowVisible(shown) ? Capture_Screen({x, y, x + 1, y + 1})[0] : 0;
        return px != 0 && px != 0xFFFFFF;
      },
      120000);
  return ok ? Seconds_Since(start) : -1;
}

}  // namespace

int main() {
  double open_one = 0, saver_one = 0;
  // An earlier saver (QV_SCR) has no subfolders to switch on.
  const bool tree_too = !GetEnvironmentVariableW(L"QV_SCR", nullptr, 0);
  for (const int files : {1, 1000, 32767, tree_too ? 0 : -1}) {
    if (files < 0) break;
    // tools/bench.sh fills the folders, and links the flat ones onto the desktop for the chooser.
    const bool tree = files == 0;
    const int count = tree ? 32767 : files;
    const std::wstring folder = tree ? L"C:\\qvbench\\tree" : L"C:\\qvbench\\list" + std::to_wstring(files);
    Saver_Settings settings;
    settings.Sub_Folders = tree ? 1 : 0;
    const auto build_start = Clock::now();
    (void)Quorvantile_B::Make_Pict_List(folder, {1, 1, 1, 1, 1}, tree);
    const double build = Seconds_Since(build_start);

    const double open = Best_Of_Three([&] { return Dialog_Start(folder, count, settings); });
    const double saver = Best_Of_Three([&] { return Saver_Start(folder, settings); });
    if (files == 1) open_one = open, saver_one = saver;
    std::printf("%5d pictures%s: dialog listed %.2f s%s after its start (+%.2f s on one picture), saver's first "
                "painting %.2f s%s (+%.2f s); the list builder %.3f s",
                count, tree ? " in 100 subfolders" : "", open, open < 0 ? " (NOT LISTED)" : "", open - open_one, saver,
                saver < 0 ? " (NOT PAINTED)" : "", saver - saver_one, build);
    if (!tree) {
      // From the folder shown, once the chooser has closed (an earlier dialog shows it to no window of its own).
      Open_Dialog d(L"dialog_bench", L"");
      if (!d.Folder || !Choose_Desktop_Folder(d, L"qvscan" + std::to_wstring(files))) {
        std::printf("; no scan measured\n");
        continue;
      }
      const auto scan_start = Clock::now();
      const bool scan_ok = d.window && Listed(d, files);
      const double scan = Seconds_Since(scan_start);
      std::printf("; scan %.2f s%s (%.0f us a find)", scan, scan_ok ? "" : " (NOT LISTED)", scan * 1e6 / files);
    }
    std::printf("\n");
  }
}
