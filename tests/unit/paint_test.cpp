// The painting engine against a surface that records every pixel set and every yield.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "paint/paint_pass.h"
#include "paint/prep_paint.h"

using namespace Quorvantile_B;

namespace {

struct Set_Call {
  int X, Y;
  std::uint32_t Colour;
};

class Recording_Surface : public Paint_Surface {
 public:
  void Set_Pixel(int x, int y, std::uint32_t colour) override { layers.back().push_back({x, y, colour}); }
  void Yield_To_Events() override { layers.emplace_back(); }
  // The pixels set between two yields; the first entry holds those before the first yield.
  std::vector<std::vector<Set_Call>> layers{1};
  std::size_t Yields() const { return layers.size() - 1; }
  std::vector<Set_Call> All() const {
    std::vector<Set_Call> all;
    for (const auto& l : layers) all.insert(all.end(), l.begin(), l.end());
    return all;
  }
};

std::int32_t Raw(int r, int g, int b) { return (r << 16) | (g << 8) | b; }

// Loads a W x H picture of raw pixels and prepares it with the identity seed order (row by row).
void Prepare(int w, int h, const std::function<std::int32_t(int, int)>& raw) {
  Src_Bits = Grid<std::int32_t>(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) Src_Bits(x, y) = raw(x, y);
  std::int32_t k = 0;
  const double n = static_cast<double>(w) * h;
  Prep_Paint(w, h, [&] { return (k++ + 0.5) / n; });  // every position swaps with itself
  Sum_Range = 100;
}

// Puts the given pixels first in the seed order.
void Seeds_First(std::initializer_list<Point16> first) {
  std::size_t at = 1;
  for (const Point16 p : first) {
    const auto it = std::find_if(Seed_Order.begin() + 1, Seed_Order.end(),
                                 [&](Point16 s) { return s.X == p.X && s.Y == p.Y; });
    std::iter_swap(Seed_Order.begin() + static_cast<std::ptrdiff_t>(at++), it);
  }
}

std::set<std::pair<int, int>> Points(const std::vector<Set_Call>& calls) {
  std::set<std::pair<int, int>> s;
  for (const auto& c : calls) s.insert({c.X, c.Y});
  return s;
}

}  // namespace

TEST(Colour, SplitAndEmphasis) {
  const Channels c = Split_Color(3302600);  // (200, 100, 50)
  EXPECT_EQ(c.R, 200);
  EXPECT_EQ(c.G, 100);
  EXPECT_EQ(c.B, 50);
  const std::uint32_t passes[3] = {Emph_Color(c, 350, Pass_Emphasis[0]), Emph_Color(c, 350, Pass_Emphasis[1]),
                                   Emph_Color(c, 350, Pass_Emphasis[2])};
  EXPECT_EQ(passes[0], 117u + 256 * 117 + 65536 * 50);
  EXPECT_EQ(passes[1], 117u + 256 * 100 + 65536 * 50);
  EXPECT_EQ(passes[2], 3302600u);
  // The mean of sum 1 is 0, of sum 2 is 1; a grey pixel looks the same in every pass.
  EXPECT_EQ(Emph_Color({1, 0, 0}, 1, Pass_Emphasis[0]), 0u);
  EXPECT_EQ(Emph_Color({1, 1, 0}, 2, Pass_Emphasis[0]), 1u + 256);
  for (const Emphasis& e : Pass_Emphasis) EXPECT_EQ(Emph_Color({90, 90, 90}, 270, e), 90u * 0x010101);
}

TEST(Prep_Paint, ColourValuesBorderAndPristineCopy) {
  Prepare(3, 3, [](int x, int y) { return x == 1 && y == 1 ? Raw(255, 128, 0) : Raw(9, 9, 9); });
  EXPECT_EQ(Pix_Count, 9);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Work_Color(x, y), x == 1 && y == 1 ? 33023 : Done_Mark);
  EXPECT_EQ(Base_Color(1, 1), 33023);
  EXPECT_EQ(Seed_Order[1].X, 0);
  EXPECT_EQ(Seed_Order[5].X, 1);  // the identity order runs row by row
  EXPECT_EQ(Seed_Order[5].Y, 1);
}

TEST(Prep_Paint, TheShuffleIsAPermutationOfEveryPixelBorderIncluded) {
  Src_Bits = Grid<std::int32_t>(37, 23);
  Prep_Paint(37, 23);
  std::set<std::pair<int, int>> seen;
  for (std::int32_t i = 1; i <= Pix_Count; ++i) seen.insert({Seed_Order[i].X, Seed_Order[i].Y});
  EXPECT_EQ(seen.size(), 37u * 23u);
  EXPECT_FALSE(Seed_Order[1].X == 0 && Seed_Order[1].Y == 0 && Seed_Order[2].X == 1);
}

TEST(Paint_Pass, AUniformPictureGrowsSquareRingsAroundItsSeed) {
  Prepare(9, 9, [](int, int) { return Raw(40, 50, 60); });
  Seeds_First({{4, 4}});
  Recording_Surface s;
  Paint_Pass(s, Pass_Emphasis[2]);
  ASSERT_EQ(s.Yields(), 4u);  // the seed is 3 steps from the interior's edge, plus the empty last round
  // Before the first yield: the seed and the first ring; then one ring per yield.
  for (int k = 1; k <= 3; ++k) {
    std::set<std::pair<int, int>> ring;
    for (int y = 1; y <= 7; ++y)
      for (int x = 1; x <= 7; ++x) {
        const int d = std::max(std::abs(x - 4), std::abs(y - 4));
        if (d == k || (k == 1 && d == 0)) ring.insert({x, y});
      }
    EXPECT_EQ(Points(s.layers[static_cast<std::size_t>(k - 1)]), ring) << "ring " << k;
  }
  EXPECT_TRUE(s.layers[3].empty());
}

TEST(Paint_Pass, TheWindowIsStrictAndMeasuredAgainstTheSeed) {
  // Sums along the interior row: 0, 30, 60, 90, 120, 100 away from 0 at the end.
  const int sums[] = {0, 30, 60, 90, 120, 99};
  Prepare(8, 3, [&](int x, int) { return x >= 1 && x <= 6 ? Raw(sums[x - 1], 0, 0) : 0; });
  Seeds_First({{1, 1}});
  Recording_Surface s;
  Paint_Pass(s, Pass_Emphasis[2]);
  // The gradient is cut where it leaves the seed's window, although each step is small.
  EXPECT_EQ(Points(s.layers[0]), (std::set<std::pair<int, int>>{{1, 1}, {2, 1}}));
  EXPECT_EQ(Points(s.layers[1]), (std::set<std::pair<int, int>>{{3, 1}}));
  EXPECT_EQ(Points(s.layers[2]), (std::set<std::pair<int, int>>{{4, 1}}));
  EXPECT_TRUE(s.layers[3].empty());

  Prepare(5, 3, [](int x, int) { return x == 1 ? Raw(50, 0, 0) : Raw(150, 0, 0); });
  Seeds_First({{1, 1}});
  Recording_Surface exactly_100;
  Paint_Pass(exactly_100, Pass_Emphasis[2]);
  EXPECT_EQ(Points(exactly_100.layers[0]), (std::set<std::pair<int, int>>{{1, 1}}));
}

TEST(Paint_Pass, EachRegionYieldsItsDepthPlusOne) {
  // Two halves far apart in brightness: each seed's region is its half, 3 steps deep.
  Prepare(10, 5, [](int x, int) { return x <= 4 ? Raw(0, 0, 0) : Raw(200, 200, 200); });
  Seeds_First({{1, 1}, {8, 3}});
  Recording_Surface s;
  Paint_Pass(s, Pass_Emphasis[0]);
  EXPECT_EQ(s.Yields(), 8u);
  EXPECT_EQ(s.All().size(), 24u);
}

TEST(Paint_Pass, NarrowPicturesHaveNoInteriorAndPaintNothing) {
  for (const auto& [w, h] : {std::pair{2, 10}, std::pair{10, 2}, std::pair{1, 1}}) {
    Prepare(w, h, [](int, int) { return Raw(1, 2, 3); });
    Recording_Surface s;
    Paint_Passes(s);
    EXPECT_EQ(s.Yields(), 0u);
    EXPECT_TRUE(s.All().empty());
  }
}

TEST(Paint_Passes, EveryInteriorPixelOncePerPassAndThePictureAtTheEnd) {
  std::mt19937 noise(7);
  std::vector<std::int32_t> picture(60 * 40);
  for (auto& p : picture) p = static_cast<std::int32_t>(noise() & 0xFFFFFF);
  Src_Bits = Grid<std::int32_t>(60, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) Src_Bits(x, y) = picture[static_cast<std::size_t>(y) * 60 + x];
  Prep_Paint(60, 40);
  Sum_Range = 100;

  std::map<std::pair<int, int>, std::uint32_t> last;
  for (int pass = 0; pass < 3; ++pass) {
    if (pass > 0) Work_Color = Base_Color;
    Recording_Surface s;
    Paint_Pass(s, Pass_Emphasis[pass]);
    const auto all = s.All();
    EXPECT_EQ(all.size(), 58u * 38u);
    EXPECT_EQ(Points(all).size(), 58u * 38u);
    for (const auto& c : all) last[{c.X, c.Y}] = c.Colour;
  }
  for (int y = 1; y < 39; ++y)
    for (int x = 1; x < 59; ++x) {
      const std::int32_t raw = picture[static_cast<std::size_t>(y) * 60 + x];
      const std::uint32_t value = ((raw >> 16) & 0xFF) | (raw & 0xFF00) | ((raw & 0xFF) << 16);
      ASSERT_EQ((last[{x, y}]), value) << x << "," << y;
    }
}
