// The play order of one pass: sequential, or a random permutation built position by position; and the slideshow's
// way through it, pass after pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

#include "catalogue/play_order.h"
#include "toolkit/portable/random.h"

using namespace Quorvantile_B;

namespace {

// Draws from the clock-reseeded generator, as the saver's.
Draw Clock_Draws() {
  auto generator = std::make_shared<toolkit::Random_Generator>();
  return [generator] {
    generator->Reseed(toolkit::Timer());
    return generator->Next();
  };
}

std::vector<int> Order_Of(int count, int mode, const Draw& draw = Clock_Draws()) {
  std::vector<std::int16_t> order(static_cast<std::size_t>(count) + 1, 0);
  Make_Play_Order(order, static_cast<std::int16_t>(count), static_cast<std::int16_t>(mode), draw);
  return {order.begin() + 1, order.end()};
}

// Draws that give the ranks r (the remaining count goes down from the list's size).
Draw Ranks(std::vector<int> ranks) {
  auto remaining = std::make_shared<int>(static_cast<int>(ranks.size()));
  auto next = std::make_shared<std::size_t>(0);
  return [=] { return (ranks[(*next)++] - 1 + 0.5) / (*remaining)--; };
}

}  // namespace

TEST(Play_Order, SequentialOrEachPositionTakingTheRthIndexNotYetPlaced) {
  EXPECT_EQ(Order_Of(4, 0), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(Order_Of(4, 1, Ranks({2, 3, 1, 1})), (std::vector<int>{2, 4, 1, 3}));
  EXPECT_EQ(Order_Of(5, 1, Ranks({5, 4, 3, 2, 1})), (std::vector<int>{5, 4, 3, 2, 1}));
  EXPECT_EQ(Order_Of(1, 1, Ranks({1})), (std::vector<int>{1}));
  // An empty list, or an order too small for the list, is left untouched.
  for (const int count : {0, 3}) {
    std::vector<std::int16_t> order(3, 7);
    Make_Play_Order(order, static_cast<std::int16_t>(count), 0, Clock_Draws());
    EXPECT_EQ(order, (std::vector<std::int16_t>{7, 7, 7})) << count;
  }
}

TEST(Play_Order, AnyNonZeroSettingShufflesEveryIndexOnceAndUniformly) {
  auto order = Order_Of(32767, 2);
  EXPECT_FALSE(std::is_sorted(order.begin(), order.end()));
  std::sort(order.begin(), order.end());
  for (int i = 0; i < 32767; ++i) ASSERT_EQ(order[static_cast<std::size_t>(i)], i + 1);
  // 4 pictures have 24 orders, and 24000 builds give each about 1000 times. With the clock re-seeding before
  // every draw, a generator reset to the clock alone would repeat one order within a tick.
  std::map<std::vector<int>, int> seen;
  for (int b = 0; b < 24000; ++b) ++seen[Order_Of(4, 1)];
  ASSERT_EQ(seen.size(), 24u);
  for (const auto& [o, times] : seen) EXPECT_NEAR(times, 1000, 150);
}

// Pass after pass: the positions 1 to the count, then back to 0 with the order built anew (a draw a picture in
// random order), but never for one picture.
TEST(Play_List, EachPassGoesThroughTheOrderThenBuildsItAnewButWithOnePicture) {
  struct Row {
    int Count, Mode;
    std::vector<int> Indices, Positions;  // what Next gives, and Play_Pos after it, over two passes
    int Draws;                            // the draws made, the first order's included
  };
  const Row rows[] = {
      {3, 0, {1, 2, 3, 1, 2, 3}, {1, 2, 0, 1, 2, 0}, 0},
      {3, 1, {3, 2, 1, 3, 2, 1}, {1, 2, 0, 1, 2, 0}, 9},
      {1, 1, {1, 1, 1}, {0, 0, 0}, 1},
      {1, 0, {1, 1}, {0, 0}, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.Count << " pictures, order setting " << r.Mode);
    int draws = 0;
    Play_List list(static_cast<std::int16_t>(r.Count), static_cast<std::int16_t>(r.Mode), [&draws] {
      ++draws;
      return 0.99;  // the last index still free
    });
    std::vector<int> indices, positions;
    for (std::size_t i = 0; i < r.Indices.size(); ++i) {
      indices.push_back(list.Next());
      positions.push_back(list.Play_Pos);
    }
    EXPECT_EQ(indices, r.Indices);
    EXPECT_EQ(positions, r.Positions);
    EXPECT_EQ(draws, r.Draws);
  }
}
