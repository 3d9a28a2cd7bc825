#pragma once
// The play order: in which order one pass of the slideshow shows the pictures of the picture list, and the saver's
// way through it.
#include <cstdint>
#include <functional>
#include <vector>

namespace Quorvantile_B {

// A uniform draw in [0, 1).
using Draw = std::function<double()>;

// Fills entries 1 to Pict_Count of Play_Order (sized to at least Pict_Count + 1) with indices into the picture list.
// Sequential when Change_Mode is 0: 1, 2, ... Pict_Count. Otherwise random: each position, from the first, takes
// the r-th index not yet placed (in ascending order), r = floor(u × remaining) + 1 for a draw u. Returns at once
// when Pict_Count is 0 or the order is too small for it.
void Make_Play_Order(std::vector<std::int16_t>& Play_Order, std::int16_t Pict_Count, std::int16_t Change_Mode,
                     const Draw& Draw_Next);

// The slideshow's place in the play order: the order of one pass, built when the saver starts and again at the end
// of every pass but with one picture, and the position in it.
class Play_List {
 public:
  // Pict_Count is at least 1.
  Play_List(std::int16_t Pict_Count, std::int16_t Change_Mode, Draw Draw_Next);
  // Raises Play_Pos and gives the index into the picture list of the picture at that position. After the pass's
  // last position the order is built anew, unless there is one picture, and Play_Pos comes back to 0.
  std::int16_t Next();

  // Entries 1 to Pict_Count hold indices into the picture list; entry 0 is never used.
  std::vector<std::int16_t> Play_Order;
  // 0 before a pass; after Next, the position of the picture it gave, or 0 at the end of a pass.
  std::int16_t Play_Pos = 0;

 private:
  std::int16_t Pict_Count;
  std::int16_t Change_Mode;
  Draw Draw_Next;
};

}  // namespace Quorvantile_B
