#include "paint/painting.h"
#include "toolkit/portable/run_error.h"

namespace Quorvantile_B {
namespace {

// The eight neighbours in the order they are examined: right, down, down-right, up-left, left, up,
// down-left, up-right.
constexpr int Neighbour_Dx[8] = {1, 0, 1, -1, -1, 0, -1, 1};
constexpr int Neighbour_Dy[8] = {0, 1, 1, -1, 0, -1, 1, -1};

int Sum_Of(Channels c) { return c.R + c.G + c.B; }

}  // namespace

Painting::Painting(std::shared_ptr<const Prepared_Painting> prepared)
    : prepared_(std::move(prepared)), Done_Pass(prepared_->W, prepared_->H) {
  const int W = prepared_->W, H = prepared_->H;
  if (Done_Pass.Empty()) throw toolkit::Run_Error(toolkit::Error_Kind::Invalid_Call, "Out of memory");
  for (int x = 0; x < W; ++x) Done_Pass(x, 0) = Done_Pass(x, H - 1) = Border_Pass;
  for (int y = 0; y < H; ++y) Done_Pass(0, y) = Done_Pass(W - 1, y) = Border_Pass;
}

// Each pass goes through the seeds in order; a seed not yet painted in it starts a region, which grows layer by
// layer, each layer a step.
bool Painting::Step(Paint_Surface& surface) {
  const Prepared_Painting& p = *prepared_;
  if (painted_ == p.Total()) return false;
  for (std::int32_t looked = 0; Next_Pts.empty();) {
    while (seed_ <= p.Pix_Count) {
      // Seeds painted already are passed over a share at a time: a flat picture has millions of them.
      if (++looked > Seeds_A_Step) return true;
      const Point16 seed = p.Seed_Order[static_cast<std::size_t>(seed_++)];
      std::uint8_t& done = Done_Pass(seed.X, seed.Y);
      if (done > pass_) continue;
      const Channels colour = Split_Color(p.Base_Color(seed.X, seed.Y));
      seed_sum_ = Sum_Of(colour);
      surface.Set_Pixel(seed.X, seed.Y, Emph_Color(colour, seed_sum_, Pass_Emphasis[pass_]));
      ++painted_;
      done = static_cast<std::uint8_t>(pass_ + 1);
      Next_Pts.assign(1, seed);
      break;
    }
    if (!Next_Pts.empty()) break;
    if (pass_ == 2) return false;
    ++pass_;
    seed_ = 1;
  }
  Grow_Layer(surface);
  return true;
}

// Every candidate is measured against the seed's sum, and is painted the moment it is accepted.
void Painting::Grow_Layer(Paint_Surface& surface) {
  const std::int32_t* const base = prepared_->Base_Color.Data();
  std::uint8_t* const done = Done_Pass.Data();
  const int stride = Done_Pass.Stride();
  const int Sum_Range = prepared_->Sum_Range;
  const Emphasis emphasis = Pass_Emphasis[pass_];
  const auto now = static_cast<std::uint8_t>(pass_ + 1);
  Cur_Pts.swap(Next_Pts);
  Next_Pts.clear();
  for (const Point16 p : Cur_Pts) {
    for (int n = 0; n < 8; ++n) {
      const int qx = p.X + Neighbour_Dx[n], qy = p.Y + Neighbour_Dy[n];
      const std::size_t q = static_cast<std::size_t>(qy) * stride + qx;
      if (done[q] >= now) continue;
      const Channels colour = Split_Color(base[q]);
      const int sum = Sum_Of(colour);
      if (seed_sum_ - Sum_Range < sum && sum < seed_sum_ + Sum_Range) {
        done[q] = now;
        surface.Set_Pixel(qx, qy, Emph_Color(colour, sum, emphasis));
        Next_Pts.push_back({static_cast<std::int16_t>(qx), static_cast<std::int16_t>(qy)});
      }
    }
  }
  painted_ += static_cast<std::int64_t>(Next_Pts.size());
}

std::size_t Painting::Working_Bytes() const {
  return Done_Pass.Bytes() + (Cur_Pts.capacity() + Next_Pts.capacity()) * sizeof(Point16);
}

}  // namespace Quorvantile_B
