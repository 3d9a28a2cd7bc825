#pragma once
// The working arrays of one picture: colour values with the border marked, their pristine copy, and the
// random order in which the pixels serve as seeds.
#include <functional>

namespace Quorvantile_B {

// Builds Work_Color, Base_Color, Seed_Order and Pix_Count from the W x H raw pixels in Src_Bits. The
// seed order is shuffled with draws u in [0, 1); the saver's draws come from the generator re-seeded
// from the time of day at the start of each call.
void Prep_Paint(int W, int H, const std::function<double()>& Draw_Next);
void Prep_Paint(int W, int H);

}  // namespace Quorvantile_B
