// The road of one picture through the saver, step by step in this process through the named seam: what a picture
// that cannot be loaded or is too big leaves behind, the canvas and the working picture made afresh for every
// picture, and the brightness window of a region. (The play position's way is the unit tests' Play_List.)
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/soak/saver_test_seam.h"
#include "tests/wine/fixtures.h"

using namespace driver;
using Quorvantile_B::Saver_Test_Seam;

namespace {

// A bitmap file of one bit a pixel, all white (its palette black, white): big in pixels, small on disk.
void Write_Mono_Bmp(const std::wstring& path, std::uint32_t w, std::uint32_t h) {
  const std::uint32_t row = (w + 31) / 32 * 4, head = 62;
  const std::uint32_t fields[15] = {head + row * h, 0, head, 40, w, h, 1 | 1 << 16, 0, 0, 0, 0, 0, 0, 0, 0xFFFFFF};
  std::string file = "BM" + std::string(reinterpret_cast<const char*>(fields), sizeof fields);
  Write_Bytes(path, file.append(row * h, '\xFF'));
}

const auto Surface = Saver_Test_Seam::Pixels;

DWORD Grey(int sum) {
  return static_cast<DWORD>(sum / 3 * 0x010101 + (sum % 3 >= 1) * 0x10000 + (sum % 3 == 2) * 0x100);
}

}  // namespace

TEST(Saver_Road, EachPictureTakesItsRoadAsTheSlideshowSaysStepByStep) {
  using Road = Saver_Test_Seam::Road;
  struct Row {
    const char* What;
    std::vector<std::wstring> Pictures;  // made below, in list order
    int Size_Mode;
    std::function<void(Road&)> Check;
  };
  const Row rows[] = {
      {"fitted, a picture that cannot be loaded, or is over the size limit, repeats the previous one",
       {L"blue.bmp", L"broken.bmp", L"huge.bmp"},
       1,
       [](Road& r) {
         r.Next();
         const auto first = Surface(r.Master());
         ASSERT_EQ(first[384 * 1024 + 512], Saver_Colour);
         for (const char* next : {"broken", "huge"}) {
           r.Next();
           EXPECT_TRUE(Surface(r.Master()) == first) << next;
         }
       }},
      {"at its own size, a picture that cannot be loaded leaves a black area of the previous one's size",
       {L"odd.bmp", L"broken.bmp"},
       0,
       [](Road& r) {
         r.Next();
         r.Next();
         EXPECT_EQ((std::array{r.Master().Width(), r.Master().Height()}), (std::array{201, 151}));
         const auto shown = Surface(r.Master());
         EXPECT_EQ(std::count(shown.begin(), shown.end(), 0u), 201 * 151);
       }},
      {"the canvas is cleared to white for every picture",
       {L"odd.bmp", L"odd-green.bmp"},
       0,
       [](Road& r) {
         r.Next();
         r.Paint();
         r.Next();
         r.Step();
         const auto shown = Surface(r.Display());
         EXPECT_GT(std::count(shown.begin(), shown.end(), 0xFFFFFFu), 199 * 149 * 9 / 10);
       }},
      {"the working picture is filled black before each picture comes in",
       {L"land.bmp", L"portrait.bmp"},
       1,
       [](Road& r) {
         r.Next();
         r.Next();
         const auto placed = Surface(r.Master());
         EXPECT_EQ(placed[384 * 1024 + 100], 0u);  // a bar beside the portrait one, fitted
         EXPECT_EQ(placed[384 * 1024 + 512], 0x20D020u);
       }},
      {"a region takes the neighbours whose brightness lies within 100 of its seed's, not 100 from it",
       {L"apart99.bmp", L"apart100.bmp"},
       0,
       [](Road& r) {
         for (const long painted : {2, 1}) {
           r.Next();
           r.Step();
           const auto shown = Surface(r.Display());
           EXPECT_EQ(std::count_if(shown.begin(), shown.end(), [](DWORD c) { return c != 0xFFFFFF; }), painted);
           r.Paint();
         }
       }},
  };
  toolkit::App app;
  Install install(L"road");
  const std::wstring pics = install.Path(L"pics\\");
  CreateDirectoryW(pics.c_str(), nullptr);
  Write_Test_Bmp(pics + L"blue.bmp", 320, 240, [](int, int) { return Saver_Colour; });
  Write_Test_Bmp(pics + L"green.bmp", 320, 240, [](int, int) { return 0x20D020u; });
  Write_Test_Bmp(pics + L"odd.bmp", 201, 151, [](int, int) { return 0xC06030u; });
  Write_Test_Bmp(pics + L"odd-green.bmp", 201, 151, [](int, int) { return 0x20D020u; });
  Write_Test_Bmp(pics + L"land.bmp", 640, 480, [](int, int) { return 0xC06030u; });
  Write_Test_Bmp(pics + L"portrait.bmp", 480, 640, [](int, int) { return 0x20D020u; });
  Write_Bytes(pics + L"broken.bmp", "x");
  Write_Mono_Bmp(pics + L"huge.bmp", 8200, 8200);  // 67.2 megapixels: past the 64 allowed
  // Four pixels across, three down: the two inside, the first of brightness 300 and the second 99 or 100 brighter.
  for (const int apart : {99, 100})
    Write_Test_Bmp(pics + L"apart" + std::to_wstring(apart) + L".bmp", 4, 3,
                   [apart](int x, int) { return x == 2 ? Grey(300 + apart) : Grey(300); });
  for (const Row& row : rows) {
    SCOPED_TRACE(row.What);
    std::vector<std::wstring> paths;
    for (const auto& name : row.Pictures) paths.push_back(pics + name);
    Quorvantile_B::Settings settings;
    settings.Size_Mode = static_cast<std::int16_t>(row.Size_Mode);
    Road road(app, paths, settings);
    row.Check(road);
  }
}
