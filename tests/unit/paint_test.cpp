// The painting engine against a surface that records every pixel set, step by step.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numeric>
#include <random>
#include <set>

#include "paint/pace.h"
#include "paint/painting.h"

using namespace Quorvantile_B;

namespace {

using Points = std::set<std::pair<int, int>>;
using Layers = std::vector<std::vector<std::pair<std::pair<int, int>, std::uint32_t>>>;

// Records the pixels each step sets: layer i holds those of step i + 1; the last layer stays empty.
struct Recording_Surface : Paint_Surface {
  void Set_Pixel(int x, int y, std::uint32_t colour) override { layers.back().push_back({{x, y}, colour}); }
  std::size_t Steps() const { return layers.size() - 1; }
  Points Layer(std::size_t i) const {
    Points p;
    for (const auto& [at, colour] : layers.at(i)) p.insert(at);
    return p;
  }
  Layers layers{1};
};

using Prepared = std::shared_ptr<const Prepared_Painting>;

// The layers that paint something: a step may only look at seeds painted already, or end a region.
Layers Painted(Layers layers) {
  std::erase_if(layers, [](const auto& layer) { return layer.empty(); });
  return layers;
}

Recording_Surface Paint(const Prepared& p, std::size_t steps = SIZE_MAX) {
  Recording_Surface s;
  for (Painting painting(p); s.Steps() < steps && painting.Step(s);) s.layers.emplace_back();
  return s;
}

std::int32_t Raw(int r, int g, int b) { return (r << 16) | (g << 8) | b; }

// A W x H picture of raw pixels, its seeds row by row (the first inside the border is (1, 1)), or scrambled.
Prepared Prepare(int w, int h, const std::function<std::int32_t(int, int)>& raw, bool scrambled = false) {
  Grid<std::int32_t> bits(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bits(x, y) = raw(x, y);
  std::int32_t k = 0;
  return std::make_shared<const Prepared_Painting>(*Prep_Paint(
      std::move(bits), w, h, 100, [&] { return scrambled ? std::fmod(++k * 0.618034, 1.0) : (k++ + 0.5) / (w * h); }));
}

// The reference's own reading of the colour rule: a colour value's bytes are red, green and blue; a pass keeps blue,
// then green too, then every channel, and gives the others the grey mean of the three, rounded to the nearest.
int Sum(std::int32_t value) { return (value & 0xFF) + (value >> 8 & 0xFF) + (value >> 16 & 0xFF); }
std::uint32_t Pass_Colour(std::int32_t value, int pass) {
  const int mean = static_cast<int>(std::lround(Sum(value) / 3.0));
  const int red = pass == 2 ? value & 0xFF : mean, green = pass >= 1 ? value >> 8 & 0xFF : mean;
  return static_cast<std::uint32_t>(red | green << 8 | (value >> 16 & 0xFF) << 16);
}

// The engine as it was before it could be resumed, three passes of nested loops over a working copy of the colours
// with a yield after every layer: the layers it paints between yields.
Layers Nested_Loops(const Prepared_Painting& p) {
  Layers layers{1};
  std::vector<std::int32_t> work;
  const auto cell_of = [&](int x, int y) -> std::int32_t& {
    return work[static_cast<std::size_t>(y) * p.Base_Color.Stride() + x];
  };
  for (int pass = 0; pass < 3; ++pass) {
    work.assign(p.Base_Color.Data(), p.Base_Color.Data() + p.Base_Color.Bytes() / sizeof(std::int32_t));
    for (std::int32_t i = 1; i <= p.Pix_Count; ++i) {
      const Point16 seed = p.Seed_Order[static_cast<std::size_t>(i)];
      if (cell_of(seed.X, seed.Y) == Done_Mark) continue;
      const int seed_sum = Sum(cell_of(seed.X, seed.Y));
      layers.back().push_back({{seed.X, seed.Y}, Pass_Colour(cell_of(seed.X, seed.Y), pass)});
      cell_of(seed.X, seed.Y) = Done_Mark;
      for (std::vector<Point16> next{seed}, cur; !next.empty(); layers.emplace_back()) {
        cur.swap(next);
        next.clear();
        for (const Point16 q : cur)
          for (const auto& [dx, dy] : {std::pair{1, 0}, {0, 1}, {1, 1}, {-1, -1}, {-1, 0}, {0, -1}, {-1, 1}, {1, -1}}) {
            std::int32_t& cell = cell_of(q.X + dx, q.Y + dy);
            if (cell == Done_Mark || std::abs(Sum(cell) - seed_sum) >= 100) continue;
            layers.back().push_back({{q.X + dx, q.Y + dy}, Pass_Colour(cell, pass)});
            cell = Done_Mark;
            next.push_back({static_cast<std::int16_t>(q.X + dx), static_cast<std::int16_t>(q.Y + dy)});
          }
      }
    }
  }
  return layers;
}

}  // namespace

TEST(Prep_Paint, ColoursEmphasisTheBorderAndAShuffleOfEveryPixel) {
  const Channels c = Split_Color(3302600);  // (200, 100, 50)
  // Passes: blue alone, then blue and green, depart from the mean (of sum 1: 0, of sum 2: 1).
  EXPECT_EQ(Emph_Color(c, 350, Pass_Emphasis[0]), 117u + 256 * 117 + 65536 * 50);
  EXPECT_EQ(Emph_Color(c, 350, Pass_Emphasis[1]), 117u + 256 * 100 + 65536 * 50);
  EXPECT_EQ(Emph_Color(c, 350, Pass_Emphasis[2]), 3302600u);
  EXPECT_EQ(Emph_Color({1, 0, 0}, 1, Pass_Emphasis[0]), 0u);
  EXPECT_EQ(Emph_Color({1, 1, 0}, 2, Pass_Emphasis[0]), 1u + 256);
  for (const Emphasis& e : Pass_Emphasis) EXPECT_EQ(Emph_Color({90, 90, 90}, 270, e), 90u * 0x010101);  // grey stays

  toolkit::Random_Generator rnd;
  const std::optional<Prepared_Painting> shuffled = Prep_Paint(Grid<std::int32_t>(37, 23), 37, 23, 100, rnd);
  ASSERT_TRUE(shuffled);
  Points seen;
  for (std::int32_t i = 1; i <= shuffled->Pix_Count; ++i)
    seen.insert({shuffled->Seed_Order[i].X, shuffled->Seed_Order[i].Y});
  EXPECT_EQ(seen.size(), 37u * 23u);
  EXPECT_FALSE(shuffled->Seed_Order[1].X == 0 && shuffled->Seed_Order[1].Y == 0 && shuffled->Seed_Order[2].X == 1);
  for (const auto& [w, h] : {std::pair{32768, 1}, {1, 32768}, {0, 1}, {2, 2}})  // too wide or high, empty, or not
    EXPECT_FALSE(Prep_Paint(Grid<std::int32_t>(1, 1), w, h, 100, rnd)) << w << " x " << h;  // the pixels' size
}

TEST(Painting, TheWindowIsStrictAndTheStepsPaintWhatTheNestedLoopsPaintedAndThePictureAtTheEnd) {
  // Sums along the interior row: 0, 30, 60, 90, 120, 99: the gradient is cut where it leaves the seed's window.
  const int sums[] = {0, 30, 60, 90, 120, 99};
  const Prepared gradient = Prepare(8, 3, [&](int x, int) { return x >= 1 && x <= 6 ? Raw(sums[x - 1], 0, 0) : 0; });
  const Recording_Surface s = Paint(gradient, 4);
  EXPECT_EQ((std::vector{s.Layer(0), s.Layer(1), s.Layer(2), s.Layer(3)}),
            (std::vector<Points>{{{1, 1}, {2, 1}}, {{3, 1}}, {{4, 1}}, {}}));
  const Prepared apart = Prepare(5, 3, [](int x, int) { return x == 2 ? Raw(50, 0, 0) : Raw(150, 0, 0); });
  const Recording_Surface each = Paint(apart, 2);  // exactly 100 apart, brighter and darker: a region each
  EXPECT_EQ((std::vector{each.Layer(0), each.Layer(1)}), (std::vector<Points>{{{1, 1}}, {{2, 1}}}));

  // The steps paint, layer for layer and colour for colour, what the nested loops painted between their yields
  // (a region a ring a step); the last step leaves the picture itself; a picture without an interior takes none.
  std::mt19937 noise(7);
  std::vector<std::int32_t> picture(60 * 40);
  for (auto& px : picture) px = static_cast<std::int32_t>(noise() & 0x3F3F3F);  // dark: regions of some size
  const auto at = [&](int x, int y) { return picture[static_cast<std::size_t>(y) * 60 + x]; };
  for (const bool halves : {false, true}) {
    const Prepared p = Prepare(
        60, 40, [&](int x, int y) { return halves ? (x < 30 ? 0 : Raw(200, 200, 200)) : at(x, y); }, true);
    const Recording_Surface s = Paint(p);
    ASSERT_EQ(Painted(s.layers), Painted(Nested_Loops(*p)));
    Grid<std::uint32_t> last(60, 40);
    for (const auto& layer : s.layers)
      for (const auto& [xy, colour] : layer) last(xy.first, xy.second) = colour;
    for (int y = 1; y < 39 && !halves; ++y)
      for (int x = 1; x < 59; ++x)
        ASSERT_EQ(last(x, y), static_cast<std::uint32_t>(((at(x, y) >> 16) & 0xFF) | (at(x, y) & 0xFF00) |
                                                         ((at(x, y) & 0xFF) << 16)));
  }
  for (const auto& [w, h] : {std::pair{2, 10}, std::pair{10, 2}, std::pair{1, 1}})
    EXPECT_EQ(Paint(Prepare(w, h, [](int, int) { return Raw(1, 2, 3); })).Steps(), 0u);
}

// A paced reveal of 1 s: the pixels due in proportion to the time, every one at the end; each frame paints the layers
// that bring the count there, and the frames together paint what full speed paints, pixel for pixel, in its order.
TEST(Pace, FramesPaintThePixelsTheClockMakesDueInTheLayersOfFullSpeed) {
  const Pace pace(3000, 1000);
  for (const auto& [ms, due] : {std::pair{0u, 0}, {40u, 120}, {500u, 1500}, {999u, 2997}, {1000u, 3000}, {4000u, 3000}})
    EXPECT_EQ(pace.Due(ms), due) << ms;
  EXPECT_EQ(Pace(3000, 0).Due(0), 3000);

  std::mt19937 noise(11);
  const Prepared prepared = Prepare(
      60, 40, [&](int, int) { return static_cast<std::int32_t>(noise() & 0x3F3F3F); }, true);
  const auto flat = [](const Layers& layers) {
    return std::accumulate(layers.begin(), layers.end(), Layers::value_type(), [](auto all, const auto& layer) {
      all.insert(all.end(), layer.begin(), layer.end());
      return all;
    });
  };
  Painting paced(prepared);
  const Pace second(paced.Total(), 1000);
  Recording_Surface frames;
  std::uint32_t ms = 0;
  for (bool going = true; going; ms += Frame_Ms) {
    going = Paint_Frame(paced, frames, second.Due(ms), [] { return true; });
    EXPECT_GE(paced.Painted(), second.Due(ms)) << ms;
    frames.layers.emplace_back();
  }
  EXPECT_EQ(ms, 1000 + Frame_Ms);  // the last pixel at the end of the second, not before
  EXPECT_EQ(paced.Painted(), 3 * 58 * 38);
  EXPECT_EQ(flat(frames.layers), flat(Paint(prepared).layers));
}
