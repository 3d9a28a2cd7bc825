// Benchmark under Wine: starts on big folders. How long from the start of the process the settings dialog
// takes to a filled list and the saver to its screen, and a folder scan from the chooser's OK to the listed
// result, each beside the picture-list builder on the same folder and the same start on one picture. A start
// counts its best of three, so that the first start of the bench, slower while Wine warms up, does not stand
// for it.
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
  return Wait_For([&] { return Ask(d.List, LB_GETCOUNT) == count; }, 600000);
}

template <class Start>
double Best_Of_Three(Start start) {
  double best = start();
  for (int i = 0; i < 2; ++i) best = std::min(best, start());
  return best;
}

// Seconds from the start of the dialog on the folder to its list filled, or a negative number.
double Dialog_Start(const std::wstring& folder, int files) {
  const auto start = Clock::now();
  Open_Dialog opened(L"dialog_bench", folder);
  return opened.window && Listed(opened, files) ? Seconds_Since(start) : -1;
}

// Seconds from the start of the saver on the folder to its screen shown, or a negative number.
double Saver_Start(const std::wstring& folder) {
  Install install(L"start_bench");
  Write_Settings(install, folder);
  const auto start = Clock::now();
  Process scr(install.Scr(), L"/s");
  HWND shown = nullptr;
  const bool ok = Wait_For(
      [&] { return (shown = Window_Of(scr.Id(), nullptr, L"Quorvantile_Main")) && IsWindowVisible(shown); }, 600000);
  return ok ? Seconds_Since(start) : -1;
}

}  // namespace

int main() {
  double open_one = 0, saver_one = 0;
  for (const int files : {1, 1000, 32767}) {
    // tools/bench.sh fills the folder, and links it onto the desktop for the chooser.
    const std::wstring folder = L"C:\\qvbench\\list" + std::to_wstring(files);
    const auto build_start = Clock::now();
    (void)Quorvantile_B::Make_Pict_List(folder, {1, 1, 1, 1, 1});
    const double build = Seconds_Since(build_start);

    const double open = Best_Of_Three([&] { return Dialog_Start(folder, files); });
    const double saver = Best_Of_Three([&] { return Saver_Start(folder); });

    Open_Dialog d(L"dialog_bench", L"");
    if (!Choose_Desktop_Folder(d, L"qvscan" + std::to_wstring(files))) std::puts("the chooser failed");
    const auto scan_start = Clock::now();
    const bool scan_ok = d.window && Listed(d, files);
    const double scan = Seconds_Since(scan_start);
    if (files == 1) open_one = open, saver_one = saver;
    std::printf(
        "%5d pictures: dialog listed %.2f s%s after its start (+%.2f s on one picture), saver shown %.2f s%s "
        "(+%.2f s); scan %.2f s%s (%.0f us a find); the list builder %.3f s\n",
        files, open, open < 0 ? " (NOT LISTED)" : "", open - open_one, saver, saver < 0 ? " (NOT SHOWN)" : "",
        saver - saver_one, scan, scan_ok ? "" : " (NOT LISTED)", scan * 1e6 / files, build);
  }
}
