#pragma once
// Number rules shared by the whole program: rounding to whole numbers and the checked 16/32-bit ranges.
#include <cmath>
#include <cstdint>
#include <limits>

#include "toolkit/portable/run_error.h"

namespace toolkit {

// A fractional value becomes whole by rounding to the nearest, halves to the even neighbour.
inline double Round_Half_Even(double v) { return std::nearbyint(v); }  // default FE_TONEAREST

inline std::int16_t To_Int16(double v) {
  const double r = Round_Half_Even(v);
  if (!(r >= -32768.0 && r <= 32767.0)) Raise_Overflow();
  return static_cast<std::int16_t>(r);
}

// Whether a value, rounded, is a 32-bit one.
inline bool Fits_Int32(double v) {
  const double r = Round_Half_Even(v);
  return r >= -2147483648.0 && r <= 2147483647.0;
}

inline std::int32_t To_Int32(double v) {
  if (!Fits_Int32(v)) Raise_Overflow();
  return static_cast<std::int32_t>(Round_Half_Even(v));
}

// Integer division of two values: both rounded first, then truncated toward zero.
inline std::int32_t Int_Div(double a, double b) {
  const std::int32_t d = To_Int32(b);
  if (d == 0) throw Run_Error(Error_Kind::Invalid_Call, "Division by zero");
  return To_Int32(a) / d;
}

// A length in twips as whole pixels: plain division, then the nearest whole number. Twips per pixel is
// fractional at many dpi (7.5 at 192), so it is never rounded first.
inline std::int32_t Pixels_Of_Twips(double twips, double twips_per_pixel) { return To_Int32(twips / twips_per_pixel); }

// "Half of" a value: rounded to a whole number, then halved toward zero.
inline std::int32_t Half_Of(double v) { return Int_Div(v, 2); }

// 16-bit addition that raises the overflow error instead of wrapping.
inline std::int16_t Add16(std::int16_t a, int b) { return To_Int16(static_cast<double>(a) + b); }

}  // namespace toolkit
