// The soak: the saver screen, in this process, shows a folder of bad and good pictures picture after
// picture in both size modes, as its slideshow does, while files are locked, deleted and the folder itself
// vanishes. Prints how many pictures it showed, the bad ones among them, the good ones painted exactly,
// the slowest picture, and the resident memory and GDI objects at the start and at the end.
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/pict_list.h"
#include "saver/quorvantile_s.h"
#include "tests/soak/saver_test_seam.h"
#include "toolkit/portable/error_styles.h"

using Clock = std::chrono::steady_clock;

using namespace Quorvantile_B;

namespace {

std::size_t Resident_Bytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize;
}

// The GDI objects this process holds. Wine's GetGuiResources answers 0; there the process's own GDI handle
// table (reachable from its PEB) is counted instead: every entry with a type is a live object.
unsigned Gdi_Objects() {
  if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return n;
  struct Entry {
    unsigned long long Object;
    unsigned Owner;
    unsigned short Unique;
    unsigned char Type, Flags;
    unsigned long long User;
  };
  // The table's place in the PEB: GdiSharedHandleTable, at 0x94 in a 32-bit process and 0xF8 in a 64-bit one.
  constexpr std::size_t Table_Offset = sizeof(void*) == 8 ? 0xF8 : 0x94;
  PROCESS_BASIC_INFORMATION basic{};
  NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr);
  const auto* peb = reinterpret_cast<const unsigned char*>(basic.PebBaseAddress);
  const auto* table = peb ? *reinterpret_cast<const Entry* const*>(peb + Table_Offset) : nullptr;
  unsigned n = 0;
  for (unsigned i = 0; table && i < 0x10000; ++i) n += table[i].Type != 0;
  return n;
}

// After the three passes Display holds the picture as it was placed in Master, with a white one-pixel frame. (Master
// lets its pixels go once the painting is prepared: they are taken before.)
bool Painted_Exactly(const Saver_Test_Seam::Road& m, const std::vector<DWORD>& master) {
  if (m.Display().Width() != m.Master().Width() || m.Display().Height() != m.Master().Height()) return false;
  const int w = m.Master().Width(), h = m.Master().Height();
  const auto shown = Saver_Test_Seam::Pixels(m.Display());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * w + x;
      const bool frame = x == 0 || y == 0 || x == w - 1 || y == h - 1;
      if (shown[i] != (frame ? 0xFFFFFFu : master[i])) return false;
    }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return std::puts("usage: qv_soak FOLDER [PICTURES-PER-MODE]"), 2;
  const std::wstring folder = std::wstring(argv[1], argv[1] + strlen(argv[1]));
  const int per_mode = argc > 2 ? atoi(argv[2]) : 300;
  OleInitialize(nullptr);

  const Catalogue pictures = Make_Pict_List(folder, {1, 1, 1, 1});
  std::printf("soak: %d pictures listed in %ls\n", pictures.Pict_Count, folder.c_str());
  if (pictures.Pict_Count == 0) return 1;
  // A file another program holds locked, and one deleted after the scan.
  const HANDLE locked =
      CreateFileW((folder + L"\\bad-locked.bmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  DeleteFileW((folder + L"\\bad-deleted.bmp").c_str());

  toolkit::App app;
  int shown = 0, bad = 0, good_painted = 0, good_not_painted = 0, abandoned = 0;
  double slowest = 0;
  std::size_t memory_start = 0, memory_end = 0;
  unsigned gdi_start = 0, gdi_end = 0;
  const std::wstring moved = folder + L"-moved";
  for (const std::int16_t mode : {0, 1}) {
    Settings settings;
    settings.Size_Mode = mode;
    settings.Change_Mode = 1;
    Saver_Test_Seam::Road monitor(
        app, {pictures.Pict_List.begin() + 1, pictures.Pict_List.begin() + 1 + pictures.Pict_Count}, settings);
    for (int i = 0; i < per_mode; ++i) {
      // For the last pictures of the run the whole folder is gone.
      if (mode == 1 && i == per_mode - 20) MoveFileW(folder.c_str(), moved.c_str());
      const std::wstring path = monitor.Next_Path();
      const bool is_bad =
          path.find(L"\\bad-") != std::wstring::npos || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
      if (getenv("QV_SOAK_TRACE")) std::printf("soak: %d %ls\n", shown + 1, path.c_str()), std::fflush(stdout);
      const auto start = Clock::now();
      toolkit::Resume_Next([&] { monitor.Next(); });
      const std::vector<DWORD> placed = Saver_Test_Seam::Pixels(monitor.Master());
      const bool completed = monitor.Paint() > 0;
      slowest = std::max(slowest, std::chrono::duration<double>(Clock::now() - start).count());
      ++shown;
      abandoned += !completed;
      if (is_bad) {
        ++bad;
      } else if (completed && Painted_Exactly(monitor, placed)) {
        ++good_painted;
      } else if (monitor.Master().Width() > 2 && monitor.Master().Height() > 2) {
        ++good_not_painted;
        std::printf("soak: not painted exactly: %ls\n", path.c_str());
      }
      if (shown == 10) {
        memory_start = Resident_Bytes();
        gdi_start = Gdi_Objects();
      }
    }
  }
  memory_end = Resident_Bytes();
  gdi_end = Gdi_Objects();
  MoveFileW(moved.c_str(), folder.c_str());
  CloseHandle(locked);

  std::printf(
      "soak: %d pictures shown (%d bad files among them), %d good pictures painted exactly, %d not; "
      "%d pictures too small to paint; slowest picture %.2f s\n",
      shown, bad, good_painted, good_not_painted, abandoned, slowest);
  std::printf("soak: resident memory %.1f MiB after 10 pictures, %.1f MiB at the end; GDI objects %u, then %u\n",
              memory_start / 1048576.0, memory_end / 1048576.0, gdi_start, gdi_end);
  const bool flat = gdi_end <= gdi_start + 2 && memory_end < memory_start + 64 * 1048576.0;
  std::printf("soak: %s\n", good_not_painted == 0 && flat ? "passed" : "FAILED");
  return good_not_painted == 0 && flat ? 0 : 1;
}
