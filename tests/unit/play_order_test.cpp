// The play order of one pass: sequential, or a random permutation built position by position.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <numeric>

#include "catalogue/pict_list.h"
#include "catalogue/play_order.h"
#include "settings/settings_values.h"
#include "toolkit/random.h"

using namespace Quorvantile_B;

namespace {

void Size_For(int count) {
  Pict_Count = static_cast<std::int16_t>(count);
  Play_Order.assign(static_cast<std::size_t>(count) + 1, 0);
}

std::vector<int> Order() { return {Play_Order.begin() + 1, Play_Order.end()}; }

// Draws that give the ranks r (remaining counts down from the list size).
Draw Ranks(std::vector<int> ranks) {
  auto remaining = std::make_shared<int>(static_cast<int>(ranks.size()));
  auto next = std::make_shared<std::size_t>(0);
  return [=] { return (ranks[(*next)++] - 1 + 0.5) / (*remaining)--; };
}

}  // namespace

TEST(Play_Order, SequentialIsTheSortedListInEveryPass) {
  Change_Mode = 0;
  Size_For(4);
  Make_Play_Order();
  EXPECT_EQ(Order(), (std::vector<int>{1, 2, 3, 4}));
}

TEST(Play_Order, EachPositionTakesTheRthFreeIndex) {
  Change_Mode = 1;
  Size_For(4);
  Make_Play_Order(Ranks({2, 3, 1, 1}));
  EXPECT_EQ(Order(), (std::vector<int>{2, 4, 1, 3}));
  Size_For(5);
  Make_Play_Order(Ranks({5, 4, 3, 2, 1}));
  EXPECT_EQ(Order(), (std::vector<int>{5, 4, 3, 2, 1}));
  Size_For(1);
  Make_Play_Order(Ranks({1}));
  EXPECT_EQ(Order(), (std::vector<int>{1}));
}

TEST(Play_Order, AnyNonZeroSettingIsRandomAndEveryIndexComesOnce) {
  Change_Mode = 2;
  Size_For(32767);
  Make_Play_Order();
  auto order = Order();
  EXPECT_NE(order, [] { std::vector<int> s(32767); std::iota(s.begin(), s.end(), 1); return s; }());
  std::sort(order.begin(), order.end());
  for (int i = 0; i < 32767; ++i) ASSERT_EQ(order[static_cast<std::size_t>(i)], i + 1);
}

TEST(Play_Order, RandomOrdersAreUniformOverManyBuilds) {
  // 4 pictures have 24 orders; 24000 builds give each about 1000 times. With the clock re-seeding
  // before every draw, a generator reset to the clock alone would repeat one order within a tick.
  Change_Mode = 1;
  Size_For(4);
  std::map<std::vector<int>, int> seen;
  for (int b = 0; b < 24000; ++b) {
    Make_Play_Order();
    ++seen[Order()];
  }
  ASSERT_EQ(seen.size(), 24u);
  for (const auto& [order, times] : seen) EXPECT_NEAR(times, 1000, 150);
}

TEST(Play_Order, AnEmptyListLeavesTheOrderUntouched) {
  Change_Mode = 1;
  Pict_Count = 0;
  Play_Order.assign(3, 7);
  Make_Play_Order();
  EXPECT_EQ(Play_Order, (std::vector<std::int16_t>{7, 7, 7}));
}

TEST(Random_Generator, ReseedsWithinOneTickStillGiveNewDraws) {
  toolkit::Random_Generator g;
  g.Reseed(1.0);
  const double first = g.Next();
  g.Reseed(1.0);
  EXPECT_NE(g.Next(), first);
  for (int i = 0; i < 1000; ++i) {
    const double u = g.Next();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
  }
}
