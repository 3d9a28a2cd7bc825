// The play order of one pass: sequential, or a random permutation built position by position.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

#include "catalogue/pict_list.h"
#include "catalogue/play_order.h"
#include "settings/settings_values.h"
#include "toolkit/portable/random.h"

using namespace Quorvantile_B;

namespace {

std::vector<int> Order_Of(int count, int mode, const Draw& draw = Clock_Reseeded_Draw) {
  Change_Mode = static_cast<std::int16_t>(mode);
  Pict_Count = static_cast<std::int16_t>(count);
  Play_Order.assign(static_cast<std::size_t>(count) + 1, 0);
  Make_Play_Order(draw);
  return {Play_Order.begin() + 1, Play_Order.end()};
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
  // An empty list leaves the order untouched.
  Pict_Count = 0;
  Play_Order.assign(3, 7);
  Make_Play_Order();
  EXPECT_EQ(Play_Order, (std::vector<std::int16_t>{7, 7, 7}));
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
  toolkit::Random_Generator g;
  g.Reseed(1.0);
  const double first = g.Next();
  g.Reseed(1.0);
  EXPECT_NE(g.Next(), first);
}
