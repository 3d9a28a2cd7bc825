// The road of one picture through the saver, step by step in this process through the named seam: what a picture
// that cannot be loaded leaves behind, the play position at the end of a pass, the canvas and the working picture
// made afresh for every picture, the brightness window of a region, and where the canvas stands.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/soak/saver_test_seam.h"
#include "tests/wine/fixtures.h"

using namespace driver;
using Quorvantile_B::Saver_Test_Seam;

namespace {

// A bitmap file of one bit a pixel, all white: big in pixels, small on disk.
void Write_Mono_Bmp(const std::wstring& path, int w, int h) {
  const std::size_t row = (static_cast<std::size_t>(w) + 31) / 32 * 4;
  std::string file(14 + 40 + 8, '\0');
  const auto put = [&](std::size_t at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) file[at + i] = static_cast<char>(v >> (8 * i));
  };
  put(0, 0x4D42, 2);
  put(2, static_cast<std::uint32_t>(file.size() + row * h), 4);
  put(10, static_cast<std::uint32_t>(file.size()), 4);
  put(14, 40, 4), put(18, static_cast<std::uint32_t>(w), 4), put(22, static_cast<std::uint32_t>(h), 4);
  put(26, 1, 2), put(28, 1, 2);
  put(54, 0, 4), put(58, 0xFFFFFF, 4);  // the palette: black, white
  file.append(row * h, '\xFF');
  Write_Bytes(path, file);
}

std::vector<DWORD> Surface(const toolkit::Picture_Box& box) { return Saver_Test_Seam::Pixels(box); }

DWORD Grey(int sum) { return static_cast<DWORD>(sum / 3 * 0x010101 + (sum % 3 >= 1) * 0x010000 + (sum % 3 == 2) * 0x100); }

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
      {"fitted, a picture that cannot be loaded repeats the previous one",
       {L"blue.bmp", L"broken.bmp"},
       1,
       [](Road& r) {
         r.Next();
         const auto first = Surface(r.Master());
         ASSERT_EQ(first[384 * 1024 + 512], Saver_Colour);
         r.Next();
         EXPECT_TRUE(Surface(r.Master()) == first);
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
      {"a picture over the size limit is passed over as one that cannot be loaded",
       {L"blue.bmp", L"huge.bmp"},
       1,
       [](Road& r) {
         r.Next();
         const auto first = Surface(r.Master());
         r.Next();
         EXPECT_TRUE(Surface(r.Master()) == first);
       }},
      {"the play position comes back to 0 at the end of a pass, where the order is built anew",
       {L"blue.bmp", L"odd.bmp", L"green.bmp"},
       0,
       [](Road& r) {
         r.Play_Order() = {0, 3, 2, 1};
         r.Next();
         r.Next();
         EXPECT_EQ(r.Play_Pos(), 2);
         EXPECT_EQ(r.Play_Order(), (std::vector<std::int16_t>{0, 3, 2, 1}));
         r.Next();
         EXPECT_EQ(r.Play_Pos(), 0);
         EXPECT_EQ(r.Play_Order(), (std::vector<std::int16_t>{0, 1, 2, 3}));
       }},
      {"with one picture the play position comes back to 0 after it",
       {L"blue.bmp"},
       0,
       [](Road& r) {
         r.Next();
         EXPECT_EQ(r.Play_Pos(), 0);
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
      {"the canvas stands centred, its odd margins halved toward zero",
       {L"odd.bmp"},
       0,
       [](Road& r) {
         r.Next();
         r.Step();
         RECT place{};
         GetWindowRect(r.Display().Hwnd(), &place);
         EXPECT_EQ((std::array{place.left, place.top, place.right, place.bottom}),
                   (std::array<LONG, 4>{411, 308, 612, 459}));
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
