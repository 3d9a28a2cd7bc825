// The painting engine against a surface that records every pixel set and every yield.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <set>

#include "paint/paint_pass.h"
#include "paint/prep_paint.h"

using namespace Quorvantile_B;

namespace {

using Points = std::set<std::pair<int, int>>;

// Records the pixels set between yields: layer 0 holds those before the first yield.
struct Recording_Surface : Paint_Surface {
  void Set_Pixel(int x, int y, std::uint32_t colour) override { layers.back().push_back({{x, y}, colour}); }
  void Yield_To_Events() override { layers.emplace_back(); }
  std::size_t Yields() const { return layers.size() - 1; }
  Points Layer(std::size_t i) const {
    Points p;
    for (const auto& [at, colour] : layers.at(i)) p.insert(at);
    return p;
  }
  std::vector<std::vector<std::pair<std::pair<int, int>, std::uint32_t>>> layers{1};
};

std::int32_t Raw(int r, int g, int b) { return (r << 16) | (g << 8) | b; }

// Prepares a W x H picture of raw pixels with the identity seed order (row by row), then the given seeds first.
void Prepare(int w, int h, const std::function<std::int32_t(int, int)>& raw,
             std::initializer_list<Point16> first = {}) {
  Src_Bits = Grid<std::int32_t>(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) Src_Bits(x, y) = raw(x, y);
  std::int32_t k = 0;
  Prep_Paint(w, h, [&] { return (k++ + 0.5) / (static_cast<double>(w) * h); });  // every position swaps with itself
  Sum_Range = 100;
  std::size_t at = 1;
  for (const Point16 p : first)
    std::iter_swap(
        Seed_Order.begin() + static_cast<std::ptrdiff_t>(at++),
        std::find_if(Seed_Order.begin() + 1, Seed_Order.end(), [&](Point16 s) { return s.X == p.X && s.Y == p.Y; }));
}

}  // namespace

TEST(Prep_Paint, ColoursEmphasisTheBorderAndAShuffleOfEveryPixel) {
  const Channels c = Split_Color(3302600);  // (200, 100, 50)
  EXPECT_EQ((std::array{c.R, c.G, c.B}), (std::array<std::int32_t, 3>{200, 100, 50}));
  // Passes: blue alone, then blue and green, depart from the mean (of sum 1: 0, of sum 2: 1).
  EXPECT_EQ(Emph_Color(c, 350, Pass_Emphasis[0]), 117u + 256 * 117 + 65536 * 50);
  EXPECT_EQ(Emph_Color(c, 350, Pass_Emphasis[1]), 117u + 256 * 100 + 65536 * 50);
  EXPECT_EQ(Emph_Color(c, 350, Pass_Emphasis[2]), 3302600u);
  EXPECT_EQ(Emph_Color({1, 0, 0}, 1, Pass_Emphasis[0]), 0u);
  EXPECT_EQ(Emph_Color({1, 1, 0}, 2, Pass_Emphasis[0]), 1u + 256);
  for (const Emphasis& e : Pass_Emphasis) EXPECT_EQ(Emph_Color({90, 90, 90}, 270, e), 90u * 0x010101);  // grey stays

  Prepare(3, 3, [](int x, int y) { return x == 1 && y == 1 ? Raw(255, 128, 0) : Raw(9, 9, 9); });
  EXPECT_EQ(Pix_Count, 9);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Work_Color(x, y), x == 1 && y == 1 ? 33023 : Done_Mark);
  EXPECT_EQ(Base_Color(1, 1), 33023);
  EXPECT_EQ((std::array{Seed_Order[1].X, Seed_Order[5].X, Seed_Order[5].Y}), (std::array<std::int16_t, 3>{0, 1, 1}));

  Src_Bits = Grid<std::int32_t>(37, 23);
  Prep_Paint(37, 23);
  Points seen;
  for (std::int32_t i = 1; i <= Pix_Count; ++i) seen.insert({Seed_Order[i].X, Seed_Order[i].Y});
  EXPECT_EQ(seen.size(), 37u * 23u);
  EXPECT_FALSE(Seed_Order[1].X == 0 && Seed_Order[1].Y == 0 && Seed_Order[2].X == 1);
}

TEST(Paint_Pass, AUniformPictureGrowsSquareRingsAroundItsSeedOneRingAYield) {
  Prepare(9, 9, [](int, int) { return Raw(40, 50, 60); }, {{4, 4}});
  Recording_Surface s;
  Paint_Pass(s, Pass_Emphasis[2]);
  ASSERT_EQ(s.Yields(), 4u);      // the seed is 3 steps from the interior's edge, plus the empty last round
  for (int k = 1; k <= 3; ++k) {  // before the first yield: the seed and the first ring
    Points ring;
    for (int y = 1; y <= 7; ++y)
      for (int x = 1; x <= 7; ++x)
        if (const int d = std::max(std::abs(x - 4), std::abs(y - 4)); d == k || (k == 1 && d == 0)) ring.insert({x, y});
    EXPECT_EQ(s.Layer(static_cast<std::size_t>(k - 1)), ring) << "ring " << k;
  }
}

TEST(Paint_Pass, TheWindowIsStrictAndMeasuredAgainstTheSeedAndEachRegionYieldsItsDepthPlusOne) {
  // Sums along the interior row: 0, 30, 60, 90, 120, 99: the gradient is cut where it leaves the seed's window.
  const int sums[] = {0, 30, 60, 90, 120, 99};
  Prepare(8, 3, [&](int x, int) { return x >= 1 && x <= 6 ? Raw(sums[x - 1], 0, 0) : 0; }, {{1, 1}});
  Recording_Surface s;
  Paint_Pass(s, Pass_Emphasis[2]);
  EXPECT_EQ((std::vector{s.Layer(0), s.Layer(1), s.Layer(2), s.Layer(3)}),
            (std::vector<Points>{{{1, 1}, {2, 1}}, {{3, 1}}, {{4, 1}}, {}}));
  Prepare(5, 3, [](int x, int) { return x == 1 ? Raw(50, 0, 0) : Raw(150, 0, 0); }, {{1, 1}});  // 100 apart
  Recording_Surface exactly_100;
  Paint_Pass(exactly_100, Pass_Emphasis[2]);
  EXPECT_EQ(exactly_100.Layer(0), (Points{{1, 1}}));
  // Two halves far apart in brightness: each seed's region is its half, 3 steps deep.
  Prepare(10, 5, [](int x, int) { return x <= 4 ? Raw(0, 0, 0) : Raw(200, 200, 200); }, {{1, 1}, {8, 3}});
  Recording_Surface halves;
  Paint_Pass(halves, Pass_Emphasis[0]);
  EXPECT_EQ(halves.Yields(), 8u);
  std::size_t painted = 0;
  for (std::size_t i = 0; i <= halves.Yields(); ++i) painted += halves.Layer(i).size();
  EXPECT_EQ(painted, 24u);
}

TEST(Paint_Passes, EveryInteriorPixelOncePerPassAndThePictureAtTheEndButNothingWithoutAnInterior) {
  std::mt19937 noise(7);
  std::vector<std::int32_t> picture(60 * 40);
  for (auto& p : picture) p = static_cast<std::int32_t>(noise() & 0xFFFFFF);
  Prepare(60, 40, [&](int x, int y) { return picture[static_cast<std::size_t>(y) * 60 + x]; });
  Recording_Surface s;
  Paint_Passes(s);
  std::map<std::pair<int, int>, std::vector<std::uint32_t>> colours;
  for (const auto& layer : s.layers)
    for (const auto& [at, colour] : layer) colours[at].push_back(colour);
  EXPECT_EQ(colours.size(), 58u * 38u);
  for (const auto& [at, painted] : colours) {
    const std::int32_t raw = picture[static_cast<std::size_t>(at.second) * 60 + at.first];
    ASSERT_EQ(painted.size(), 3u);
    ASSERT_EQ(painted[2], ((raw >> 16) & 0xFF) | (raw & 0xFF00) | ((raw & 0xFF) << 16)) << at.first << "," << at.second;
  }
  for (const auto& [w, h] : {std::pair{2, 10}, std::pair{10, 2}, std::pair{1, 1}}) {
    Prepare(w, h, [](int, int) { return Raw(1, 2, 3); });
    Recording_Surface narrow;
    Paint_Passes(narrow);
    EXPECT_TRUE(narrow.Yields() == 0 && narrow.layers[0].empty());
  }
}
