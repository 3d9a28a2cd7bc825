#pragma once
// The colours of the three passes, and what a pass paints on.
#include <cstdint>

namespace Quorvantile_B {

// What a painting paints on, one pixel at a time.
class Paint_Surface {
 public:
  virtual ~Paint_Surface() = default;
  virtual void Set_Pixel(int x, int y, std::uint32_t colour_value) = 0;
};

struct Channels {
  int R, G, B;
};

// Which channels a pass shows as they are (1); the others take the pixel's grey mean (0).
struct Emphasis {
  int R, G, B;
};

constexpr Emphasis Pass_Emphasis[3] = {{0, 0, 1}, {0, 1, 1}, {1, 1, 1}};

// The red, green and blue of a colour value.
constexpr Channels Split_Color(std::int32_t Col_Value) {
  return {Col_Value & 0xFF, (Col_Value >> 8) & 0xFF, (Col_Value >> 16) & 0xFF};
}

// The colour a pass paints: channels not emphasised become the grey mean of the pixel's sum (thirds
// round to the nearest, and never fall on a half).
constexpr std::uint32_t Emph_Color(Channels c, int Col_Sum, Emphasis e) {
  const int m = (Col_Sum + 1) / 3;
  const int red = e.R * (c.R - m) + m, green = e.G * (c.G - m) + m, blue = e.B * (c.B - m) + m;
  return static_cast<std::uint32_t>(red + 256 * green + 65536 * blue);
}

}  // namespace Quorvantile_B
