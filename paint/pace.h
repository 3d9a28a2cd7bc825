#pragma once
// The pace of a reveal: how many of a painting's pixels are due at a moment of it, so that a reveal lasts the time
// set, whatever the picture's size and the machine's speed. Each pass paints every interior pixel once, so the
// pixels still to paint are known at every moment. Frames group the growth layers; they never reorder them.
#include <cstdint>
#include <functional>

#include "paint/painting.h"

namespace Quorvantile_B {

// The time between two frames of a paced reveal.
constexpr std::uint32_t Frame_Ms = 40;

class Pace {
 public:
  // pixels: all that the painting paints; reveal_ms 0 paints as fast as the machine draws.
  Pace(std::int64_t pixels, std::uint32_t reveal_ms) : pixels_(pixels), reveal_ms_(reveal_ms) {}
  bool Full_Speed() const { return reveal_ms_ == 0; }
  // The pixels due once elapsed_ms of the reveal have passed: in proportion to the time, every one at its end.
  std::int64_t Due(std::uint32_t elapsed_ms) const {
    if (Full_Speed() || elapsed_ms >= reveal_ms_) return pixels_;
    return pixels_ * elapsed_ms / reveal_ms_;
  }

 private:
  std::int64_t pixels_;
  std::uint32_t reveal_ms_;
};

// Paints the growth layers that bring the painting up to the pixels due, while more_time() allows; false once the
// painting has ended, which it does with its last pixel.
bool Paint_Frame(Painting& painting, Paint_Surface& surface, std::int64_t due, const std::function<bool()>& more_time);

}  // namespace Quorvantile_B
