#pragma once
// A photograph-like test picture of our own: soft gradients, blotches at several scales and fine grain,
// as raw 0x00RRGGBB pixels row by row from the top.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

inline std::vector<std::int32_t> Photo_Like(int w, int h, unsigned seed = 1) {
  std::mt19937 rnd(seed);
  // Value noise: a coarse lattice of random values, smoothly interpolated.
  auto lattice = [&](int cells) {
    std::vector<double> v(static_cast<std::size_t>(cells + 2) * (cells + 2));
    for (auto& x : v) x = std::uniform_real_distribution<double>(-1, 1)(rnd);
    return v;
  };
  const int scales[3] = {4, 16, 64};
  std::vector<double> layers[3] = {lattice(4), lattice(16), lattice(64)};
  auto noise = [&](int layer, double u, double v) {
    const int cells = scales[layer];
    const double fx = u * cells, fy = v * cells;
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = fx - ix, ty = fy - iy;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    auto at = [&](int x, int y) { return layers[layer][static_cast<std::size_t>(y) * (cells + 2) + x]; };
    return (at(ix, iy) * (1 - sx) + at(ix + 1, iy) * sx) * (1 - sy) +
           (at(ix, iy + 1) * (1 - sx) + at(ix + 1, iy + 1) * sx) * sy;
  };
  std::vector<std::int32_t> px(static_cast<std::size_t>(w) * h);
  std::uniform_int_distribution<int> grain(-6, 6);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double u = static_cast<double>(x) / w, v = static_cast<double>(y) / h;
      const double n = 0.6 * noise(0, u, v) + 0.3 * noise(1, u, v) + 0.1 * noise(2, u, v);
      auto channel = [&](double base) { return std::clamp(static_cast<int>(base + 90 * n) + grain(rnd), 0, 255); };
      const int r = channel(60 + 120 * v), g = channel(90 + 80 * u), b = channel(170 - 100 * v);
      px[static_cast<std::size_t>(y) * w + x] = (r << 16) | (g << 8) | b;
    }
  return px;
}
