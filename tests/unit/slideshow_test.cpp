// The slideshow's rounds, on a clock and a loader the tests keep: what each monitor asks for and when, and what it
// paints, round by round.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>

#include "saver/slideshow.h"
#include "toolkit/portable/run_error.h"

using namespace Quorvantile_B;
using Stage = Slideshow::Stage;

namespace {

struct Fake_Clock : Slideshow_Clock {
  std::uint32_t Now() override { return ms; }
  std::uint32_t ms = 1000;
};

// Picture n: (5 + n) x 5 pixels of noise, its seeds row by row.
Prepared_Painting Picture(int n) {
  std::mt19937 noise(static_cast<unsigned>(n));
  Grid<std::int32_t> bits(5 + n, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5 + n; ++x) bits(x, y) = static_cast<std::int32_t>(noise() & 0x3F3F3F);
  int k = 0;
  return *Prep_Paint(std::move(bits), 5 + n, 5, 100, [&] { return (k++ + 0.5) / (25 + 5 * n); });
}

// Answers only when the test says, in the order it says; refuses the asks it is told to.
struct Fake_Loader : Painting_Loader {
  void Ask(const Painting_Request& r) override {
    if (refuse > 0 && refuse--) throw toolkit::Run_Error(toolkit::Error_Kind::Invalid_Call, "no thread");
    asked.push_back(r);
  }
  std::optional<Painting_Answer> Take() override {
    if (ready.empty()) return std::nullopt;
    Painting_Answer a = std::move(ready.front());
    ready.pop_front();
    ++taken;
    return a;
  }
  std::size_t Outstanding() const override { return asked.size() - taken; }
  // Answers request id (counted from 1) with its picture.
  void Answer(std::uint32_t id, bool loaded = true) {
    ready.push_back({id, Picture(asked.at(id - 1).Picture), loaded});
  }
  std::vector<Painting_Request> asked;
  std::deque<Painting_Answer> ready;
  std::size_t taken = 0;
  int refuse = 0;
};

// Each round's pixels, one list a refresh; and the sizes it started at.
struct Fake_Canvas : Monitor_Canvas {
  void Set_Pixel(int x, int y, std::uint32_t c) override { rounds.back().push_back({x, y, c}); }
  void Start(int W, int H) override { starts.push_back({W, H}); }
  void Refresh() override { rounds.emplace_back(); }
  Pixel_View Shown() const override { return {}; }
  using Layer = std::vector<std::tuple<int, int, std::uint32_t>>;
  std::vector<Layer> rounds{1};
  std::vector<std::pair<int, int>> starts;
};

// The layers that a painting of picture n paints, a step at a time.
std::vector<Fake_Canvas::Layer> Layers_Of(int n) {
  Fake_Canvas c;
  for (Painting p(std::make_shared<const Prepared_Painting>(Picture(n))); p.Step(c);) c.Refresh();
  c.rounds.pop_back();
  return c.rounds;
}

struct Show {
  Show(int pictures, std::uint32_t paint_ms, std::uint32_t hold_ms, int monitors)
      : play(static_cast<std::int16_t>(pictures), 0, [] { return 0.5; }), canvases(monitors),
        show(play, paint_ms, hold_ms, clock, loader) {
    for (auto& c : canvases) show.Add_Monitor(c, 640, 480);
  }
  Fake_Clock clock;
  Fake_Loader loader;
  Play_List play;
  std::vector<Fake_Canvas> canvases;
  Slideshow show;
};

}  // namespace

TEST(Slideshow, AtFullSpeedEachMonitorPaintsAGrowthLayerARoundAndAsksOnlyWhenItsPaintingEnds) {
  Show s(2, 0, 0, 2);
  EXPECT_EQ(s.show.Move_On(), Slideshow::Forever);
  ASSERT_EQ(s.loader.asked.size(), 2u);
  EXPECT_EQ(s.loader.asked[0].Picture, 1);
  EXPECT_EQ(s.loader.asked[1].Picture, 2);
  s.loader.Answer(1);
  s.loader.Answer(2);
  const auto first = Layers_Of(1), second = Layers_Of(2);
  const std::size_t shorter = std::min(first.size(), second.size());
  for (std::size_t round = 0; round < shorter; ++round) {
    EXPECT_EQ(s.show.Move_On(), 0u);
    EXPECT_EQ(s.loader.asked.size(), 2u) << "asked before a painting's end, round " << round;
  }
  EXPECT_EQ(s.show.Move_On(), 0u);  // the shorter painting ends, and its monitor asks for the next pass's first
  ASSERT_EQ(s.loader.asked.size(), first.size() == second.size() ? 4u : 3u);
  EXPECT_EQ(s.loader.asked[2].Picture, 1);
  while (s.show.Stages()[0] == Stage::Painting || s.show.Stages()[1] == Stage::Painting) s.show.Move_On();
  // Each monitor's rounds are its painting's steps, a layer each, in their order; the canvas white at its start.
  for (int m = 0; m < 2; ++m) {
    auto rounds = s.canvases[m].rounds;
    rounds.resize(m == 0 ? first.size() : second.size());
    EXPECT_EQ(rounds, m == 0 ? first : second) << "monitor " << m;
    EXPECT_EQ(s.canvases[m].starts, (std::vector<std::pair<int, int>>{{6 + m, 5}})) << "monitor " << m;
  }
}

TEST(Slideshow, APacedRevealLastsItsTimeThenHoldsWhileTheNextIsPrepared) {
  Show s(2, 1000, 500, 1);
  s.show.Move_On();
  s.loader.Answer(1);
  std::uint32_t wait = s.show.Move_On();
  const std::uint32_t start = s.clock.ms;
  while (s.show.Stages()[0] == Stage::Painting) {
    EXPECT_LE(wait, 40u);
    EXPECT_EQ(s.loader.asked.size(), 1u);
    s.clock.ms += wait;
    wait = s.show.Move_On();
  }
  EXPECT_GE(s.clock.ms - start, 900u);  // the last layer may bring the last pixels a frame or two early
  EXPECT_LE(s.clock.ms - start, 1040u);
  // Held, and the next one asked for at once, the loader being idle; it starts once the hold is over.
  ASSERT_EQ(s.loader.asked.size(), 2u);
  EXPECT_EQ(wait, 500u);
  s.loader.Answer(2);
  s.clock.ms += 499;
  s.show.Move_On();
  EXPECT_EQ(s.show.Stages()[0], Stage::Holding);
  s.clock.ms += 1;
  s.show.Move_On();
  EXPECT_EQ(s.show.Stages()[0], Stage::Painting);
  EXPECT_EQ(s.canvases[0].starts.size(), 2u);
}

TEST(Slideshow, ARequestTheLoaderCannotTakeIsAskedAgainAtTheNextFrameForTheSamePicture) {
  Show s(3, 0, 0, 1);
  s.loader.refuse = 2;
  EXPECT_EQ(s.show.Move_On(), 40u);
  EXPECT_EQ(s.show.Move_On(), 40u);
  EXPECT_EQ(s.show.Move_On(), Slideshow::Forever);
  ASSERT_EQ(s.loader.asked.size(), 1u);
  EXPECT_EQ(s.loader.asked[0].Picture, 1);
  EXPECT_EQ(s.play.Play_Pos, 1);  // the play order moved on once
}

TEST(Slideshow, AnswersMatchTheirRequestsInAnyOrderAndOneServesEveryMonitorOfItsPictureAndSize) {
  Show s(2, 0, 0, 3);  // pictures 1, 2, 1 in the first round: the third monitor joins the first's request
  s.show.Move_On();
  ASSERT_EQ(s.loader.asked.size(), 2u);
  s.loader.Answer(2);
  s.show.Move_On();
  EXPECT_EQ(s.show.Stages(), (std::vector{Stage::Asked, Stage::Painting, Stage::Asked}));
  s.loader.Answer(1);
  s.show.Move_On();
  EXPECT_EQ(s.show.Stages(), (std::vector{Stage::Painting, Stage::Painting, Stage::Painting}));
  EXPECT_EQ(s.canvases[2].starts, s.canvases[0].starts);

  // One picture on three monitors is asked for once; an answer that is not that picture (one shown again in its
  // place) serves the monitor that asked, and the others ask on their own.
  Show one(1, 0, 0, 3);
  one.show.Move_On();
  ASSERT_EQ(one.loader.asked.size(), 1u);
  one.loader.Answer(1, false);
  one.show.Move_On();
  EXPECT_EQ(one.show.Stages(), (std::vector{Stage::Painting, Stage::Asked, Stage::Asked}));
  ASSERT_EQ(one.loader.asked.size(), 2u);
  one.loader.Answer(2);
  one.show.Move_On();
  EXPECT_EQ(one.show.Stages(), (std::vector{Stage::Painting, Stage::Painting, Stage::Painting}));
}
