// The soak: the saver screen, in this process, shows a folder of bad and good pictures picture after
// picture in both size modes, as its slideshow does, while files are locked, deleted and the folder itself
// vanishes. Prints how many pictures it showed, the bad ones among them, the good ones painted exactly,
// the slowest picture, and the resident memory and GDI objects at the start and at the end.
#include <windows.h>
#include <psapi.h>
#include <winternl.h>
#include <ole2.h>

#include <algorithm>
#include <map>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/pict_list.h"
#include "catalogue/play_order.h"
#include "saver/painting_road.h"
#include "saver/slideshow.h"
#include "toolkit/controls/app.h"
#include "toolkit/system/surface.h"

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

// A monitor's canvas in memory, white at each start.
class Soak_Canvas : public Monitor_Canvas {
 public:
  void Set_Pixel(int x, int y, std::uint32_t colour) override {
    pixels_[static_cast<std::size_t>(y) * w_ + x] = toolkit::Surface::Pixel_Of(colour);
  }
  void Start(int W, int H) override {
    w_ = W;
    h_ = H;
    pixels_.assign(static_cast<std::size_t>(W) * H, 0xFFFFFF);
  }
  void Refresh() override {}
  Pixel_View Shown() const override { return {pixels_.data(), w_, h_}; }

 private:
  int w_ = 0, h_ = 0;
  std::vector<std::uint32_t> pixels_;
};

// The worker's road, which keeps the pixels of the last painting it handed over, as it placed them.
class Soak_Road : public Painting_Loader {
 public:
  Soak_Road(const Catalogue& pictures, std::int16_t Size_Mode) : road_(pictures, Size_Mode) {}
  void Ask(const Painting_Request& request) override {
    road_.Ask(request);
    asked_[request.Id] = request.Picture;
  }
  std::optional<Painting_Answer> Take() override {
    std::optional<Painting_Answer> answer = road_.Take();
    if (!answer) return answer;
    picture = asked_[answer->Request];
    placed.clear();
    if (answer->Prepared) {
      const Prepared_Painting& p = *answer->Prepared;
      placed.assign(static_cast<std::size_t>(p.W) * p.H, 0);
      for (int y = 0; y < p.H; ++y)
        for (int x = 0; x < p.W; ++x)
          placed[static_cast<std::size_t>(y) * p.W + x] =
              toolkit::Surface::Pixel_Of(static_cast<std::uint32_t>(p.Base_Color(x, y)));
    }
    return answer;
  }
  std::size_t Outstanding() const override { return road_.Outstanding(); }
  HANDLE Answer_Event() const { return road_.Answer_Event(); }
  std::int16_t picture = 0;  // of the last answer
  std::vector<std::uint32_t> placed;

 private:
  Painting_Road road_;
  std::map<std::uint32_t, std::int16_t> asked_;
};

// After the three passes the canvas holds the picture as placed, with a white one-pixel frame.
bool Painted_Exactly(const Pixel_View& shown, const std::vector<std::uint32_t>& placed) {
  if (placed.size() != static_cast<std::size_t>(shown.W) * shown.H) return false;
  for (int y = 0; y < shown.H; ++y)
    for (int x = 0; x < shown.W; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * shown.W + x;
      const bool frame = x == 0 || y == 0 || x == shown.W - 1 || y == shown.H - 1;
      if (shown.Bits[i] != (frame ? 0xFFFFFFu : placed[i])) return false;
    }
  return true;
}

class Soak_Clock : public Slideshow_Clock {
 public:
  std::uint32_t Now() override { return GetTickCount(); }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return std::puts("usage: qv_soak FOLDER [PICTURES-PER-MODE]"), 2;
  const std::wstring folder = std::wstring(argv[1], argv[1] + strlen(argv[1]));
  const int per_mode = argc > 2 ? atoi(argv[2]) : 300;
  OleInitialize(nullptr);

  const Catalogue pictures = Make_Pict_List(folder, {1, 1, 1, 1, 1}, false);
  std::printf("soak: %d pictures listed in %ls\n", pictures.Pict_Count, folder.c_str());
  if (pictures.Pict_Count == 0) return 1;
  // A file another program holds locked, and one deleted after the scan.
  const HANDLE locked =
      CreateFileW((folder + L"\\bad-locked.bmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  DeleteFileW((folder + L"\\bad-deleted.bmp").c_str());

  toolkit::App app;
  Soak_Clock clock;
  int shown = 0, bad = 0, good_painted = 0, good_not_painted = 0, too_small = 0;
  double slowest = 0;
  std::size_t memory_start = 0, memory_end = 0;
  unsigned gdi_start = 0, gdi_end = 0;
  const std::wstring moved = folder + L"-moved";
  for (const std::int16_t mode : {0, 1}) {
    // The canvas first: the worker may read what it shows until the road has gone.
    Soak_Canvas canvas;
    Soak_Road road(pictures, mode);
    toolkit::Random_Generator rnd;
    Play_List play(pictures.Pict_Count, 1, [&] { return rnd.Next(); });
    Slideshow show(play, 0, 0, clock, road);
    show.Add_Monitor(canvas, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    for (int i = 0; i < per_mode; ++i) {
      // For the last pictures of the run the whole folder is gone.
      if (mode == 1 && i == per_mode - 20) MoveFileW(folder.c_str(), moved.c_str());
      const auto start = Clock::now();
      // A picture's road: asked, answered, painted to its end, at full speed; the next one asked at its end.
      bool painting = false;
      for (;;) {
        const std::uint32_t wait = show.Move_On();
        const Slideshow::Stage now = show.Stages()[0];
        if (painting && now != Slideshow::Stage::Painting) break;
        painting = now == Slideshow::Stage::Painting;
        if (wait == Slideshow::Forever) WaitForSingleObject(road.Answer_Event(), 60000);
      }
      slowest = std::max(slowest, std::chrono::duration<double>(Clock::now() - start).count());
      ++shown;
      const std::wstring& path = pictures.Pict_List[static_cast<std::size_t>(road.picture)];
      const bool is_bad =
          path.find(L"\\bad-") != std::wstring::npos || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
      if (getenv("QV_SOAK_TRACE")) std::printf("soak: %d %ls\n", shown, path.c_str()), std::fflush(stdout);
      const Pixel_View on_screen = canvas.Shown();
      if (is_bad) {
        ++bad;
      } else if (on_screen.W <= 2 || on_screen.H <= 2) {
        ++too_small;
      } else if (Painted_Exactly(on_screen, road.placed)) {
        ++good_painted;
      } else {
        ++good_not_painted;
        std::printf("soak: not painted exactly: %ls\n", path.c_str());
      }
      app.Run_Until([] { return true; });
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
      shown, bad, good_painted, good_not_painted, too_small, slowest);
  std::printf("soak: resident memory %.1f MiB after 10 pictures, %.1f MiB at the end; GDI objects %u, then %u\n",
              memory_start / 1048576.0, memory_end / 1048576.0, gdi_start, gdi_end);
  const bool flat = gdi_end <= gdi_start + 2 && memory_end < memory_start + 64 * 1048576.0;
  std::printf("soak: %s\n", good_not_painted == 0 && flat ? "passed" : "FAILED");
  return good_not_painted == 0 && flat ? 0 : 1;
}
