#pragma once
// The play order: in which order one pass of the slideshow shows the pictures of the picture list.
#include <cstdint>
#include <functional>
#include <vector>

namespace Quorvantile_B {

// Entries 1 to Pict_Count hold indices into Pict_List; entry 0 is never used.
inline std::vector<std::int16_t> Play_Order;

// A uniform draw in [0, 1); the saver's draws re-seed the generator from the clock before each one.
using Draw = std::function<double()>;
double Clock_Reseeded_Draw();

// Sequential when Change_Mode is 0: 1, 2, ... Pict_Count. Otherwise random: each position, from the first,
// takes the r-th index not yet placed (in ascending order), r = floor(u × remaining) + 1 for a draw u.
// Returns at once when Pict_Count is 0.
void Make_Play_Order(const Draw& Draw_Next = Clock_Reseeded_Draw);

}  // namespace Quorvantile_B
