#include "paint/painting.h"

namespace Quorvantile_B {
namespace {

// The eight neighbours in the order they are examined: right, down, down-right, up-left, left, up,
// down-left, up-right.
constexpr int Neighbour_Dx[8] = {1, 0, 1, -1, -1, 0, -1, 1};
constexpr int Neighbour_Dy[8] = {0, 1, 1, -1, 0, -1, 1, -1};

int Sum_Of(Channels c) { return c.R + c.G + c.B; }

}  // namespace

// Each pass goes through the seeds in order; a seed not yet painted starts a region, which grows layer by
// layer, each layer a step. Before passes 2 and 3 the working colours are restored.
bool Painting::Step(Paint_Surface& surface) {
  while (Next_Pts.empty()) {
    while (seed_ <= Pix_Count) {
      const Point16 seed = Seed_Order[static_cast<std::size_t>(seed_++)];
      std::int32_t& cell = Work_Color(seed.X, seed.Y);
      if (cell == Done_Mark) continue;
      const Channels colour = Split_Color(cell);
      seed_sum_ = Sum_Of(colour);
      surface.Set_Pixel(seed.X, seed.Y, Emph_Color(colour, seed_sum_, Pass_Emphasis[pass_]));
      ++painted_;
      cell = Done_Mark;
      Next_Pts.assign(1, seed);
      break;
    }
    if (!Next_Pts.empty()) break;
    if (pass_ == 2) return false;
    ++pass_;
    seed_ = 1;
    Work_Color = Base_Color;
  }
  Grow_Layer(surface);
  return true;
}

// Every candidate is measured against the seed's sum, and is painted the moment it is accepted.
void Painting::Grow_Layer(Paint_Surface& surface) {
  std::int32_t* const work = Work_Color.Data();
  const int stride = Work_Color.Stride();
  const Emphasis emphasis = Pass_Emphasis[pass_];
  Cur_Pts.swap(Next_Pts);
  Next_Pts.clear();
  for (const Point16 p : Cur_Pts) {
    for (int n = 0; n < 8; ++n) {
      const int qx = p.X + Neighbour_Dx[n], qy = p.Y + Neighbour_Dy[n];
      std::int32_t& cell = work[static_cast<std::size_t>(qy) * stride + qx];
      if (cell == Done_Mark) continue;
      const Channels colour = Split_Color(cell);
      const int sum = Sum_Of(colour);
      if (seed_sum_ - Sum_Range < sum && sum < seed_sum_ + Sum_Range) {
        cell = Done_Mark;
        surface.Set_Pixel(qx, qy, Emph_Color(colour, sum, emphasis));
        Next_Pts.push_back({static_cast<std::int16_t>(qx), static_cast<std::int16_t>(qy)});
      }
    }
  }
  painted_ += static_cast<std::int64_t>(Next_Pts.size());
}

std::size_t Painting::Working_Bytes() const {
  return Work_Color.Bytes() + Base_Color.Bytes() +
         (Seed_Order.capacity() + Cur_Pts.capacity() + Next_Pts.capacity()) * sizeof(Point16);
}

}  // namespace Quorvantile_B
