// The road of one picture on the worker, as the saver asks for it: read, placed for a monitor and prepared, or,
// for a picture that cannot be loaded or is too big, what stands in its place; and the brightness window of a
// region of the painting it hands over.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "saver/painting_road.h"
#include "tests/wine/fixtures.h"
#include "toolkit/system/surface.h"

using namespace driver;
using namespace Quorvantile_B;

namespace {

// A bitmap file of one bit a pixel, all white (its palette black, white): big in pixels, small on disk.
void Write_Mono_Bmp(const std::wstring& path, std::uint32_t w, std::uint32_t h) {
  const std::uint32_t row = (w + 31) / 32 * 4, head = 62;
  const std::uint32_t fields[15] = {head + row * h, 0, head, 40, w, h, 1 | 1 << 16, 0, 0, 0, 0, 0, 0, 0, 0xFFFFFF};
  std::string file = "BM" + std::string(reinterpret_cast<const char*>(fields), sizeof fields);
  Write_Bytes(path, file.append(row * h, '\xFF'));
}

DWORD Grey(int sum) {
  return static_cast<DWORD>(sum / 3 * 0x010101 + (sum % 3 >= 1) * 0x10000 + (sum % 3 == 2) * 0x100);
}

// The pictures of a folder on one monitor of 640 x 480, asked for one after another, each answer awaited.
class Road {
 public:
  Road(const std::wstring& folder, const std::vector<std::wstring>& names, std::int16_t Size_Mode) {
    for (const auto& name : names) pictures_.Pict_List.push_back(folder + name);
    pictures_.Pict_Count = static_cast<std::int16_t>(names.size());
    road_.emplace(pictures_, Size_Mode);
  }
  // The painting of the picture (counted from 1), as the road hands it over; what the monitor showed last.
  Painting_Answer Ask(int picture, Pixel_View shown = {}) {
    road_->Ask({++id_, static_cast<std::int16_t>(picture), 640, 480, last_w_, last_h_, shown});
    std::optional<Painting_Answer> answer;
    EXPECT_TRUE(Wait_For([&] { return (answer = road_->Take()).has_value(); }));
    if (!answer) return {};
    last_w_ = answer->Prepared ? answer->Prepared->W : 0;
    last_h_ = answer->Prepared ? answer->Prepared->H : 0;
    return std::move(*answer);
  }
  // The pixels as placed, 0x00RRGGBB, rows from the top.
  static std::vector<DWORD> Placed(const Painting_Answer& a) {
    std::vector<DWORD> px;
    for (int y = 0; a.Prepared && y < a.Prepared->H; ++y)
      for (int x = 0; x < a.Prepared->W; ++x)
        px.push_back(toolkit::Surface::Pixel_Of(static_cast<std::uint32_t>(a.Prepared->Base_Color(x, y))));
    return px;
  }

 private:
  Catalogue pictures_;
  std::optional<Painting_Road> road_;
  std::uint32_t id_ = 0;
  int last_w_ = 0, last_h_ = 0;
};

}  // namespace

TEST(Saver_Road, EachPictureIsPlacedAndPreparedOnTheWorkerOrStandsInForOneThatCannotBe) {
  struct Row {
    const char* What;
    std::vector<std::wstring> Pictures;  // made below
    int Size_Mode;
    std::function<void(Road&)> Check;
  };
  const std::wstring pics = Install(L"road").Path(L"pics\\");
  const Row rows[] = {
      {"fitted, a picture that cannot be loaded, or is over the size limit, repeats the previous one",
       {L"blue.bmp", L"broken.bmp", L"huge.bmp"},
       1,
       [](Road& r) {
         const auto first = Road::Placed(r.Ask(1));
         ASSERT_EQ(first[240 * 640 + 320], Saver_Colour);
         for (const int next : {2, 3}) {
           const Painting_Answer again = r.Ask(next);
           EXPECT_FALSE(again.Loaded) << next;
           EXPECT_TRUE(Road::Placed(again) == first) << next;
         }
       }},
      {"at its own size, a picture that cannot be loaded leaves a black area of the previous one's size",
       {L"odd.bmp", L"broken.bmp"},
       0,
       [](Road& r) {
         r.Ask(1);
         const auto black = Road::Placed(r.Ask(2));
         EXPECT_EQ(black.size(), 201u * 151u);
         EXPECT_EQ(std::count(black.begin(), black.end(), 0u), 199 * 149);  // the border is the painting's
       }},
      {"where not even the picture before can be read again, what the monitor shows is shown again",
       {L"gone.bmp", L"broken.bmp"},
       1,
       [&](Road& r) {
         r.Ask(1);
         DeleteFileW((pics + L"gone.bmp").c_str());
         std::vector<std::uint32_t> shown(4 * 3, 0xFFFFFF);  // its white frame, and two pixels inside
         shown[5] = 0x102030;
         shown[6] = 0x405060;
         const auto again = Road::Placed(r.Ask(2, {shown.data(), 4, 3}));
         ASSERT_EQ(again.size(), shown.size());
         EXPECT_EQ((std::array{again[5], again[6]}), (std::array<DWORD, 2>{0x102030, 0x405060}));
       }},
      {"the working picture is black before each picture comes in",
       {L"land.bmp", L"portrait.bmp"},
       1,
       [](Road& r) {
         r.Ask(1);
         const auto placed = Road::Placed(r.Ask(2));
         EXPECT_EQ(placed[240 * 640 + 100], 0u);  // a bar beside the portrait one, fitted
         EXPECT_EQ(placed[240 * 640 + 320], 0x20D020u);
       }},
      {"a region takes the neighbours whose brightness lies within 100 of its seed's, not 100 from it",
       {L"apart99.bmp", L"apart100.bmp"},
       0,
       [](Road& r) {
         for (const int picture : {1, 2}) {
           Painting_Answer a = r.Ask(picture);
           ASSERT_TRUE(a.Prepared);
           struct Counting : Paint_Surface {
             void Set_Pixel(int, int, std::uint32_t) override { ++painted; }
             int painted = 0;
           } first_step;
           Painting(std::make_shared<const Prepared_Painting>(std::move(*a.Prepared))).Step(first_step);
           EXPECT_EQ(first_step.painted, picture == 1 ? 2 : 1) << picture;
         }
       }},
  };
  CreateDirectoryW(pics.c_str(), nullptr);
  Write_Test_Bmp(pics + L"blue.bmp", 320, 240, [](int, int) { return Saver_Colour; });
  Write_Test_Bmp(pics + L"odd.bmp", 201, 151, [](int, int) { return 0xC06030u; });
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
    Write_Test_Bmp(pics + L"gone.bmp", 320, 240, [](int, int) { return 0x808080u; });
    Road road(pics, row.Pictures, static_cast<std::int16_t>(row.Size_Mode));
    row.Check(road);
  }
}
