#include "catalogue/play_order.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "catalogue/pict_list.h"
#include "settings/settings_values.h"
#include "toolkit/portable/random.h"

namespace Quorvantile_B {
namespace {

// The indices 1..n still free, counted in a binary indexed tree, so that the r-th free index is found
// and taken in O(log n) instead of a scan.
class Free_Indices {
 public:
  explicit Free_Indices(int n)
      : tree_(static_cast<std::size_t>(n) + 1), top_(std::bit_floor(static_cast<unsigned>(n))) {
    for (int i = 1; i <= n; ++i) {
      tree_[static_cast<std::size_t>(i)] += 1;
      const int parent = i + (i & -i);
      if (parent <= n) tree_[static_cast<std::size_t>(parent)] += tree_[static_cast<std::size_t>(i)];
    }
  }

  // Finds the r-th free index in ascending order (1 <= r <= free count) and marks it placed.
  int Take(int r) {
    int pos = 0;
    for (unsigned step = top_; step > 0; step >>= 1) {
      const unsigned next = static_cast<unsigned>(pos) + step;
      if (next < tree_.size() && tree_[next] < r) {
        pos = static_cast<int>(next);
        r -= tree_[next];
      }
    }
    const int index = pos + 1;
    for (std::size_t i = static_cast<std::size_t>(index); i < tree_.size(); i += i & (~i + 1)) tree_[i] -= 1;
    return index;
  }

 private:
  std::vector<int> tree_;
  unsigned top_;
};

}  // namespace

double Clock_Reseeded_Draw() {
  toolkit::Rnd().Reseed(toolkit::Timer());
  return toolkit::Rnd().Next();
}

void Make_Play_Order(const Draw& Draw_Next) {
  const int count = Pict_Count;
  if (count <= 0) return;
  if (Play_Order.size() < static_cast<std::size_t>(count) + 1) return;  // not sized for this list
  if (Change_Mode == 0) {
    for (int i = 1; i <= count; ++i) Play_Order[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i);
    return;
  }
  Free_Indices free(count);
  for (int placed = 1, remaining = count; remaining > 0; ++placed, --remaining) {
    const int r = static_cast<int>(std::floor(Draw_Next() * remaining)) + 1;
    Play_Order[static_cast<std::size_t>(placed)] = static_cast<std::int16_t>(free.Take(std::min(r, remaining)));
  }
}

}  // namespace Quorvantile_B
