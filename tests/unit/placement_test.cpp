// Where each picture goes on a 1024 x 768 screen, and what a JPEG decoder reads of it.
#include <gtest/gtest.h>

#include <array>

#include "saver/placement.h"

using namespace Quorvantile_B;
using M = Placement::Method;

TEST(Placement, TheWorkedPlacementsOnA1024By768Screen) {
  struct Row {
    double W, H;
    std::int16_t Size_Mode;
    M How;
    int Master_W, Master_H, X, Y, Dest_W, Dest_H;  // X, Y: destination (fitted) or source (cut) position
  };
  const Row rows[] = {
      {640, 480, 1, M::Stretch, 1024, 768, 0, 0, 1024, 768},
      {480, 640, 1, M::Stretch, 1024, 768, 224, 0, 576, 768},
      {1000, 1000, 1, M::Stretch, 1024, 768, 128, 0, 768, 768},
      {1280, 1024, 1, M::Stretch, 1024, 768, 0, -25, 1024, 819},  // -51.2 rounds to -51, halved to -25
      {0, 0, 1, M::Stretch, 1024, 768, 0, 0, 0, 0},               // nothing loaded: Master stays black
      {800, 600, 0, M::Load_Direct, 800, 600, 0, 0, 0, 0},
      {1024, 768, 0, M::Load_Direct, 1024, 768, 0, 0, 0, 0},
      {1600, 1200, 0, M::Crop, 1024, 768, 288, 216, 1024, 768},
      {800, 1000, 0, M::Crop, 800, 768, 0, 116, 800, 768},
      {2000, 500, 0, M::Crop, 1024, 500, 488, 0, 1024, 500},
      {1025, 100, 0, M::Crop, 1024, 100, 0, 0, 1024, 100},  // an overhang of 1 halves to 0, of 3 to 1
      {1027, 100, 0, M::Crop, 1024, 100, 1, 0, 1024, 100},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.W << " x " << r.H << " mode " << r.Size_Mode);
    const Placement p = Place_Picture(r.W, r.H, 1024, 768, r.Size_Mode);
    EXPECT_EQ(p.How, r.How);
    EXPECT_EQ((std::array{p.Master_W, p.Master_H}), (std::array{r.Master_W, r.Master_H}));
    if (r.How == M::Load_Direct) continue;
    // Fitted, the whole picture is stretched to a place; cut, a part of it is copied to the corner.
    const bool fit = r.How == M::Stretch;
    EXPECT_EQ((std::array{p.Dest_X, p.Dest_Y, p.Src_X, p.Src_Y}),
              (fit ? std::array{r.X, r.Y, 0, 0} : std::array{0, 0, r.X, r.Y}));
    if (fit) {
      EXPECT_EQ((std::array{p.Src_W, p.Src_H}), (std::array{static_cast<int>(r.W), static_cast<int>(r.H)}));
    }
    EXPECT_EQ((std::array{p.Dest_W, p.Dest_H}), (std::array{r.Dest_W, r.Dest_H}));
  }
}

// Fitted, a JPEG decodes at the smallest scale of M/8 that still covers the size it is stretched to; cut, the part the
// screen shows at full size; as it is, whole.
TEST(Placement, AJpegIsReadAtTheSmallestEighthThatCoversWhatIsShown) {
  struct Row {
    int W, H, Scr_W, Scr_H;
    std::int16_t Size_Mode;
    int Scale;  // of 8
    toolkit::Decode_Part Part;
  };
  const Row rows[] = {
      {8160, 6120, 1920, 1080, 1, 2, {0, 0, 0, 0, 1920, 1440}},   // 50 MP, cut at top and bottom: 2040 x 1530
      {16320, 12240, 1920, 1080, 1, 1, {0, 0, 0, 0, 1920, 1440}},  // 200 MP: 2040 x 1530
      {4000, 3000, 1920, 1080, 1, 4, {0, 0, 0, 0, 1920, 1440}},    // 12 MP: 2000 x 1500
      {3000, 4000, 1920, 1080, 1, 3, {0, 0, 0, 0, 810, 1080}},     // upright: 1125 x 1500
      {1920, 1080, 1920, 1080, 1, 8, {0, 0, 0, 0, 1920, 1080}},    // its own size
      {640, 480, 1920, 1080, 1, 8, {0, 0, 0, 0, 1920, 1440}},      // smaller than shown: whole
      {8160, 6120, 1920, 1080, 0, 8, {3120, 2520, 1920, 1080}},    // at its own size, the middle
      {1000, 800, 1920, 1080, 0, 8, {}},                            // fits: whole
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.W << " x " << r.H << " on " << r.Scr_W << " x " << r.Scr_H);
    const toolkit::Decode_Part p = Shown_Part(r.W, r.H, r.Scr_W, r.Scr_H, r.Size_Mode);
    EXPECT_EQ((std::array{p.X, p.Y, p.W, p.H, p.Min_W, p.Min_H}),
              (std::array{r.Part.X, r.Part.Y, r.Part.W, r.Part.H, r.Part.Min_W, r.Part.Min_H}));
    EXPECT_EQ(toolkit::Jpeg_Scale(r.W, r.H, p.Min_W, p.Min_H), r.Scale);
  }
}
