#pragma once
// The painting of one picture: its working arrays, and how far its three passes of seeded region growth have
// come. Prep_Paint makes it; Step paints it up to the end of its next growth layer, where the saver yields to
// the window system, so that a painting can wait between layers while others go on.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "paint/paint_arrays.h"
#include "paint/paint_pass.h"
#include "toolkit/portable/random.h"

namespace Quorvantile_B {

class Painting {
 public:
  // Paints up to the end of the next growth layer and returns true; false, painting nothing more, once the
  // three passes are done.
  bool Step(Paint_Surface& surface);
  // The bytes its working arrays hold.
  std::size_t Working_Bytes() const;
  // The pixels painted so far, and all that the three passes paint: each interior pixel once a pass.
  std::int64_t Painted() const { return painted_; }
  std::int64_t Total() const { return total_; }

  // Colour value (red + 256 green + 65536 blue) of each pixel, or Done_Mark; before each pass Base_Color,
  // the values as prepared, is copied back into it.
  Grid<std::int32_t> Work_Color, Base_Color;
  // Entries 1..Pix_Count: the pixels in the order they serve as seeds.
  std::vector<Point16> Seed_Order;
  std::int32_t Pix_Count = 0;

 private:
  friend Painting Prep_Paint(Grid<std::int32_t>, int, int, std::int16_t, const std::function<double()>&);
  void Grow_Layer(Paint_Surface& surface);

  // The brightness window of a region.
  std::int16_t Sum_Range = 0;
  // The layer being expanded, and the one it grows (entries from 0).
  std::vector<Point16> Cur_Pts, Next_Pts;
  int pass_ = 0;
  std::int32_t seed_ = 1;
  std::int32_t seed_sum_ = 0;
  std::int64_t painted_ = 0, total_ = 0;
};

// Makes the painting of the W x H raw pixels in Src_Bits (0x00RRGGBB, top row first), with the border
// marked and the seed order shuffled with draws u in [0, 1). Raises an overflow for a side past 32767, and an
// error for an empty picture or pixels of another size.
Painting Prep_Paint(Grid<std::int32_t> Src_Bits, int W, int H, std::int16_t Sum_Range,
                    const std::function<double()>& Draw_Next);
// The saver's: its draws come from its generator, re-seeded from the time of day for each picture.
Painting Prep_Paint(Grid<std::int32_t> Src_Bits, int W, int H, std::int16_t Sum_Range, toolkit::Random_Generator& Rnd);

}  // namespace Quorvantile_B
