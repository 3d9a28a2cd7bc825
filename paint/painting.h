#pragma once
// The painting of one picture, in two parts. Prep_Paint makes the prepared part, on the worker: the colour of every
// pixel and the order in which the pixels serve as seeds. Every monitor that shows the picture shares it, read only.
// A Painting is one monitor's way through it: how far its three passes of seeded region growth have come. Its Step
// paints up to the end of the next growth layer, where the saver yields to the window system, so that a painting can
// wait between layers while others go on.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "paint/paint_arrays.h"
#include "paint/paint_pass.h"
#include "toolkit/portable/random.h"

namespace Quorvantile_B {

struct Prepared_Painting {
  int W = 0, H = 0;
  // The brightness window of a region.
  std::int16_t Sum_Range = 0;
  // Colour value (red + 256 green + 65536 blue) of each pixel; Done_Mark on the border.
  Grid<std::int32_t> Base_Color;
  // Entries 1..Pix_Count: the pixels in the order they serve as seeds.
  toolkit::Buffer<Point16> Seed_Order;
  std::int32_t Pix_Count = 0;
  // All that the three passes paint: each interior pixel once a pass.
  std::int64_t Total() const { return W > 2 && H > 2 ? 3LL * (W - 2) * (H - 2) : 0; }
  std::size_t Bytes() const { return Base_Color.Bytes() + Seed_Order.size() * sizeof(Point16); }
};

class Painting {
 public:
  // Raises an error where its own memory cannot be had.
  explicit Painting(std::shared_ptr<const Prepared_Painting> prepared);
  // Paints up to the end of the next growth layer, or, where the seeds it meets are painted already, looks at a
  // share of them (Seeds_A_Step), and returns true; false, painting nothing more, once every pixel is painted.
  bool Step(Paint_Surface& surface);
  static constexpr std::int32_t Seeds_A_Step = 1 << 16;
  // The pixels painted so far, and all that the three passes paint.
  std::int64_t Painted() const { return painted_; }
  std::int64_t Total() const { return prepared_->Total(); }
  const Prepared_Painting& Prepared() const { return *prepared_; }
  // The bytes of its own arrays, beside those it shares.
  std::size_t Working_Bytes() const;

 private:
  void Grow_Layer(Paint_Surface& surface);

  std::shared_ptr<const Prepared_Painting> prepared_;
  // The pass that painted each pixel (1 to 3), 0 before, Border_Pass on the border: a pixel is painted in the pass
  // under way when its mark has reached it. The colours themselves are never written, so that monitors share them.
  Grid<std::uint8_t> Done_Pass;
  static constexpr std::uint8_t Border_Pass = 0xFF;
  // The layer being expanded, and the one it grows (entries from 0).
  std::vector<Point16> Cur_Pts, Next_Pts;
  int pass_ = 0;
  std::int32_t seed_ = 1;
  std::int32_t seed_sum_ = 0;
  std::int64_t painted_ = 0;
};

// The W x H raw pixels of Src_Bits (0x00RRGGBB, top row first) prepared, with the border marked and the seed order
// shuffled with draws u in [0, 1); nothing for a side past 32767 (coordinates are 16-bit), an empty picture, pixels
// of another size, or memory that cannot be had. Raises nothing: it runs on the worker.
std::optional<Prepared_Painting> Prep_Paint(Grid<std::int32_t> Src_Bits, int W, int H, std::int16_t Sum_Range,
                                            const std::function<double()>& Draw_Next) noexcept;
// The saver's: its draws come from a generator re-seeded from the time of day for each picture.
std::optional<Prepared_Painting> Prep_Paint(Grid<std::int32_t> Src_Bits, int W, int H, std::int16_t Sum_Range,
                                            toolkit::Random_Generator& Rnd) noexcept;

}  // namespace Quorvantile_B
