#include "paint/pace.h"

namespace Quorvantile_B {

bool Paint_Frame(Painting& painting, Paint_Surface& surface, std::int64_t due, const std::function<bool()>& more_time) {
  while (painting.Painted() < due && more_time())
    if (!painting.Step(surface)) return false;
  return painting.Painted() < painting.Total();
}

}  // namespace Quorvantile_B
