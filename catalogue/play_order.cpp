#include "catalogue/play_order.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "toolkit/portable/error_styles.h"
#include "toolkit/portable/numbers.h"

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

void Make_Play_Order(std::vector<std::int16_t>& Play_Order, std::int16_t Pict_Count, std::int16_t Change_Mode,
                     const Draw& Draw_Next) {
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

Play_List::Play_List(std::int16_t Pict_Count, std::int16_t Change_Mode, Draw Draw_Next)
    : Play_Order(static_cast<std::size_t>(Pict_Count > 0 ? Pict_Count : 0) + 1, 0),
      Pict_Count(Pict_Count),
      Change_Mode(Change_Mode),
      Draw_Next(std::move(Draw_Next)) {
  Make_Play_Order(Play_Order, Pict_Count, Change_Mode, this->Draw_Next);
}

std::int16_t Play_List::Next() {
  // Play_Pos comes back to 0 at Pict_Count, so it never passes 32767.
  Play_Pos = toolkit::Add16(Play_Pos, 1);
  const auto at = static_cast<std::size_t>(Play_Pos);
  const std::int16_t index = at < Play_Order.size() ? Play_Order[at] : std::int16_t{0};
  if (Play_Pos == Pict_Count) {
    Play_Pos = 0;
    if (Pict_Count != 1) toolkit::Resume_Next([&] { Make_Play_Order(Play_Order, Pict_Count, Change_Mode, Draw_Next); });
  }
  return index;
}

}  // namespace Quorvantile_B
