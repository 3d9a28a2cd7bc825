// How the saver places each picture into Master, driven in this process on the real system's loader
// and drawing: the worked placements, a failed load, and the play position through passes.
#include <gtest/gtest.h>

#include "catalogue/pict_list.h"
#include "catalogue/play_order.h"
#include "saver/quorvantile_s.h"
#include "settings/settings_values.h"
#include "tests/wine/driver.h"
#include "tests/wine/saver_fixture.h"

using namespace Quorvantile_B;
using namespace driver;

namespace {

class Saver_Placement : public ::testing::Test {
 protected:
  void SetUp() override {
    saver.Create_Window();
    saver.Create_Controls();
    saver.Scr_W = 1024;
    saver.Scr_H = 768;
    Change_Mode = 0;
    Pict_Count = 0;
    Pict_List.assign(1, L"");
  }
  // A pattern picture of the given size, listed as the only picture.
  std::wstring Picture(int w, int h) {
    const std::wstring path = install.Path(std::to_wstring(w) + L"x" + std::to_wstring(h) + L".bmp");
    if (!Exists(path)) Write_Test_Bmp(path, w, h, Pattern);
    return path;
  }
  void List(const std::vector<std::wstring>& paths) {
    Pict_List.assign(1, L"");
    Pict_List.insert(Pict_List.end(), paths.begin(), paths.end());
    Pict_Count = static_cast<std::int16_t>(paths.size());
    Play_Order.assign(paths.size() + 1, 0);
    Make_Play_Order();
    saver.Play_Pos = 0;
  }
  std::vector<DWORD> Master_Pixels() {
    return Draw_To_Pixels(saver.Master.Width(), saver.Master.Height(), [&](HDC dc) {
      BitBlt(dc, 0, 0, saver.Master.Width(), saver.Master.Height(), saver.Master.Hdc(), 0, 0, SRCCOPY);
    });
  }
  Install install{L"placement"};
  Quorvantile_S saver;
};

}  // namespace

TEST_F(Saver_Placement, NaturalSizeCutsWhatExceedsTheScreenEquallyOnBothSides) {
  Size_Mode = 0;
  struct Row {
    int W, H, Master_W, Master_H, Src_X, Src_Y;
  };
  for (const Row r : {Row{800, 600, 800, 600, 0, 0}, Row{1024, 768, 1024, 768, 0, 0}, Row{1600, 1200, 1024, 768, 288, 216},
                      Row{800, 1000, 800, 768, 0, 116}, Row{2000, 500, 1024, 500, 488, 0}}) {
    SCOPED_TRACE(testing::Message() << r.W << " x " << r.H);
    List({Picture(r.W, r.H)});
    saver.Next_Picture();
    ASSERT_EQ(saver.Master.Width(), r.Master_W);
    ASSERT_EQ(saver.Master.Height(), r.Master_H);
    const auto pixels = Master_Pixels();
    std::size_t wrong = 0;
    for (int y = 0; y < r.Master_H; ++y)
      for (int x = 0; x < r.Master_W; ++x)
        wrong += pixels[static_cast<std::size_t>(y) * r.Master_W + x] != Pattern(x + r.Src_X, y + r.Src_Y);
    EXPECT_EQ(wrong, 0u);
  }
}

TEST_F(Saver_Placement, FullScreenFitsTheLongerSideWithUnblendedStretching) {
  Size_Mode = 1;
  struct Row {
    int W, H, X, Y, New_W, New_H;
  };
  for (const Row r : {Row{640, 480, 0, 0, 1024, 768}, Row{480, 640, 224, 0, 576, 768}, Row{1000, 1000, 128, 0, 768, 768},
                      Row{1280, 1024, 0, -25, 1024, 819}}) {
    SCOPED_TRACE(testing::Message() << r.W << " x " << r.H);
    const std::wstring path = Picture(r.W, r.H);
    List({path});
    saver.Next_Picture();
    ASSERT_EQ(saver.Master.Width(), 1024);
    ASSERT_EQ(saver.Master.Height(), 768);
    // The reference: the same picture stretched with rows and columns dropped, never blended, onto black.
    const auto picture = toolkit::Picture::From_File(path);
    const auto expected = Draw_To_Pixels(r.W, r.H, [&](HDC dc) { picture->Render(dc, 0, 0, r.W, r.H); });
    const auto reference = Draw_To_Pixels(1024, 768, [&](HDC dc) {
      BITMAPINFO bi{};
      bi.bmiHeader = {sizeof(BITMAPINFOHEADER), r.W, -r.H, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchDIBits(dc, r.X, r.Y, r.New_W, r.New_H, 0, 0, r.W, r.H, expected.data(), &bi, DIB_RGB_COLORS, SRCCOPY);
    });
    EXPECT_TRUE(Master_Pixels() == reference);
  }
}

TEST_F(Saver_Placement, AFileThatCannotBeLoadedRepeatsThePreviousPicture) {
  const std::wstring first = Picture(320, 240), third = Picture(200, 100);
  const std::wstring gone = install.Path(L"gone.bmp");
  Size_Mode = 1;
  List({first, gone, third});
  saver.Next_Picture();
  const auto shown_first = Master_Pixels();
  saver.Next_Picture();  // full screen: the previous picture is placed again
  EXPECT_TRUE(Master_Pixels() == shown_first);
  saver.Next_Picture();
  EXPECT_FALSE(Master_Pixels() == shown_first);

  Size_Mode = 0;  // natural size, fitting: the second load into Master fails too, leaving it black
  List({first, gone, third});
  saver.Next_Picture();
  saver.Next_Picture();
  EXPECT_EQ(saver.Master.Width(), 320);
  EXPECT_TRUE(Master_Pixels() == std::vector<DWORD>(320 * 240, 0));
}

TEST_F(Saver_Placement, ThePlayPositionRunsThroughThePassThenStartsAgain) {
  Size_Mode = 0;
  List({Picture(30, 20), Picture(40, 20)});
  std::vector<int> widths, positions;
  for (int i = 0; i < 5; ++i) {
    saver.Next_Picture();
    widths.push_back(saver.Master.Width());
    positions.push_back(saver.Play_Pos);
  }
  EXPECT_EQ(widths, (std::vector<int>{30, 40, 30, 40, 30}));  // two pictures alternate
  EXPECT_EQ(positions, (std::vector<int>{1, 0, 1, 0, 1}));
}
