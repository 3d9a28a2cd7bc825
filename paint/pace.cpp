#include "paint/pace.h"

namespace Quorvantile_B {

bool Paint_Frame(Painting& painting, Paint_Surface& surface, std::int64_t due, const std::function<bool()>& more_time) {
  while (painting.Painted() < due && more_time())
    if (!painting.Step(surface)) return false;
  // The last pixel painted: what is left of the passes (regions that end, seeds already painted) paints nothing.
  if (painting.Painted() < painting.Total()) return true;
  while (painting.Step(surface)) {
  }
  return false;
}

}  // namespace Quorvantile_B
