// Benchmark under Wine: the settings dialog on big folders. How long it takes from the start of the process
// to a filled list, and how long a folder scan takes from the chooser's OK to the listed result, each beside
// the picture-list builder on the same folder. Prints its figures.
#include <chrono>
#include <cstdio>

#include "catalogue/pict_list.h"
#include "settings/settings_values.h"
#include "tests/wine/fixtures.h"

using namespace driver;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds_Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

bool Listed(const Open_Dialog& d, int count) {
  return Wait_For([&] { return SendMessageW(d.List, LB_GETCOUNT, 0, 0) == count; }, 600000);
}

}  // namespace

int main() {
  Quorvantile_B::Kind_Flag = {1, 1, 1, 1};
  for (const int files : {1000, 32767}) {
    // tools/bench.sh fills the folder, and links it onto the desktop for the chooser.
    const std::wstring folder = L"C:\\qvbench\\list" + std::to_wstring(files);
    const auto build_start = Clock::now();
    Quorvantile_B::Make_Pict_List(folder);
    const double build = Seconds_Since(build_start);

    const auto open_start = Clock::now();
    Open_Dialog opened(L"dialog_bench", folder);
    const bool open_ok = opened.window && Listed(opened, files);
    const double open = Seconds_Since(open_start);
    opened.scr.reset();

    Open_Dialog d(L"dialog_bench", L"");
    Choose_Desktop_Folder(d, L"qvscan" + std::to_wstring(files));
    const auto scan_start = Clock::now();
    const bool scan_ok = d.window && Listed(d, files);
    const double scan = Seconds_Since(scan_start);
    std::printf(
        "settings dialog, %5d pictures: open %.2f s%s, scan %.2f s%s (%.0f us a find); the list builder "
        "%.3f s, ratios %.0fx and %.0fx\n",
        files, open, open_ok ? "" : " (NOT LISTED)", scan, scan_ok ? "" : " (NOT LISTED)", scan * 1e6 / files, build,
        open / build, scan / build);
  }
}
