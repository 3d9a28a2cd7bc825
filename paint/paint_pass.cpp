#include "paint/paint_pass.h"

namespace Quorvantile_B {
namespace {

// The eight neighbours in the order they are examined: right, down, down-right, up-left, left, up,
// down-left, up-right.
constexpr int Neighbour_Dx[8] = {1, 0, 1, -1, -1, 0, -1, 1};
constexpr int Neighbour_Dy[8] = {0, 1, 1, -1, 0, -1, 1, -1};

int Sum_Of(Channels c) { return c.R + c.G + c.B; }

}  // namespace

void Paint_Pass(Paint_Surface& surface, Emphasis emphasis) {
  std::int32_t* const work = Work_Color.Data();
  const int stride = Work_Color.Stride();
  const int range = Sum_Range;
  const std::int32_t count = Pix_Count;
  for (std::int32_t i = 1; i <= count; ++i) {
    const Point16 seed = Seed_Order[static_cast<std::size_t>(i)];
    std::int32_t& seed_cell = work[Work_Color.Index(seed.X, seed.Y)];
    if (seed_cell == Done_Mark) continue;
    const Channels seed_colour = Split_Color(seed_cell);
    const int seed_sum = Sum_Of(seed_colour);
    surface.Set_Pixel(seed.X, seed.Y, Emph_Color(seed_colour, seed_sum, emphasis));
    seed_cell = Done_Mark;

    // The region grows layer by layer: every candidate is measured against the seed's sum, and is
    // painted the moment it is accepted.
    Next_Pts.assign(1, seed);
    while (!Next_Pts.empty()) {
      Cur_Pts.swap(Next_Pts);
      Next_Pts.clear();
      for (const Point16 p : Cur_Pts) {
        for (int n = 0; n < 8; ++n) {
          const int qx = p.X + Neighbour_Dx[n], qy = p.Y + Neighbour_Dy[n];
          std::int32_t& cell = work[static_cast<std::size_t>(qy) * stride + qx];
          if (cell == Done_Mark) continue;
          const Channels colour = Split_Color(cell);
          const int sum = Sum_Of(colour);
          if (seed_sum - range < sum && sum < seed_sum + range) {
            cell = Done_Mark;
            surface.Set_Pixel(qx, qy, Emph_Color(colour, sum, emphasis));
            Next_Pts.push_back({static_cast<std::int16_t>(qx), static_cast<std::int16_t>(qy)});
          }
        }
      }
      surface.Yield_To_Events();
    }
  }
}

void Paint_Passes(Paint_Surface& surface) {
  for (int pass = 0; pass < 3; ++pass) {
    if (pass > 0) Work_Color = Base_Color;
    Paint_Pass(surface, Pass_Emphasis[pass]);
  }
}

}  // namespace Quorvantile_B
