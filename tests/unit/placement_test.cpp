// Where each picture goes on a 1024 x 768 screen.
#include <gtest/gtest.h>

#include "saver/placement.h"

using namespace Quorvantile_B;
using M = Placement::Method;

namespace {

struct Row {
  double W, H;
  std::int16_t Size_Mode;
  M How;
  int Master_W, Master_H, X, Y, Dest_W, Dest_H;  // X, Y: destination (fit) or source (crop) position
};

}  // namespace

TEST(Placement, TheWorkedPlacementsOnA1024By768Screen) {
  const Row rows[] = {
      {640, 480, 1, M::Stretch, 1024, 768, 0, 0, 1024, 768},
      {480, 640, 1, M::Stretch, 1024, 768, 224, 0, 576, 768},
      {1000, 1000, 1, M::Stretch, 1024, 768, 128, 0, 768, 768},
      {1280, 1024, 1, M::Stretch, 1024, 768, 0, -25, 1024, 819},  // -51.2 rounds to -51, halved to -25
      {800, 600, 0, M::Load_Direct, 800, 600, 0, 0, 0, 0},
      {1024, 768, 0, M::Load_Direct, 1024, 768, 0, 0, 0, 0},
      {1600, 1200, 0, M::Crop, 1024, 768, 288, 216, 1024, 768},
      {800, 1000, 0, M::Crop, 800, 768, 0, 116, 800, 768},
      {2000, 500, 0, M::Crop, 1024, 500, 488, 0, 1024, 500},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.W << " x " << r.H << " mode " << r.Size_Mode);
    const Placement p = Place_Picture(r.W, r.H, 1024, 768, r.Size_Mode);
    EXPECT_EQ(p.How, r.How);
    EXPECT_EQ(p.Master_W, r.Master_W);
    EXPECT_EQ(p.Master_H, r.Master_H);
    if (r.How == M::Stretch) {
      EXPECT_EQ(p.Dest_X, r.X);
      EXPECT_EQ(p.Dest_Y, r.Y);
      EXPECT_EQ(p.Src_W, r.W);
      EXPECT_EQ(p.Src_H, r.H);
    } else if (r.How == M::Crop) {
      EXPECT_EQ(p.Src_X, r.X);
      EXPECT_EQ(p.Src_Y, r.Y);
      EXPECT_EQ(p.Dest_X, 0);
      EXPECT_EQ(p.Dest_Y, 0);
    }
    if (r.How != M::Load_Direct) {
      EXPECT_EQ(p.Dest_W, r.Dest_W);
      EXPECT_EQ(p.Dest_H, r.Dest_H);
    }
  }
}

TEST(Placement, AnOddOverhangHalvesTowardZeroAfterRoundingToEven) {
  // 1025 - 1024 = 1 halves to 0; a 1027-wide picture overhangs by 3, which halves to 1.
  EXPECT_EQ(Place_Picture(1025, 100, 1024, 768, 0).Src_X, 0);
  EXPECT_EQ(Place_Picture(1027, 100, 1024, 768, 0).Src_X, 1);
  // A square picture fits the height: 768 wide, bars of 128 left and right.
  EXPECT_EQ(Place_Picture(300, 300, 1024, 768, 1).Dest_X, 128);
}

TEST(Placement, AnEmptyPictureLeavesMasterBlackAtTheScreenSize) {
  const Placement p = Place_Picture(0, 0, 1024, 768, 1);
  EXPECT_EQ(p.Master_W, 1024);
  EXPECT_EQ(p.Dest_W, 0);
}
