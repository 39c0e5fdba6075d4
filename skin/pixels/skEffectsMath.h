#pragma once
// Rounding and clamping shared by the pixel effects. Every effect rounds to
// the nearest integer with ties to even, as the platform's default rounding.
#include <cfloat>
#include <cmath>
#include <cstdint>

namespace sk {

// Every build evaluates doubles in double precision (the 32-bit build uses
// SSE2 arithmetic): x87's extended precision would round the formulas
// differently, and a picture must not depend on the build that drew it.
static_assert(FLT_EVAL_METHOD == 0, "build with SSE2 floating point (-msse2 -mfpmath=sse)");

// Round half to even: the classic add-and-subtract of 1.5 * 2^52 in two
// instructions; values beyond its range go to the library.
inline double RoundEvenValue(double x) {
  constexpr double shifter = 6755399441055744.0;  // 1.5 * 2^52
  if (x > -2251799813685248.0 && x < 2251799813685248.0) return (x + shifter) - shifter;
  return std::nearbyint(x);
}

inline int RoundEven(double x) { return static_cast<int>(RoundEvenValue(x)); }

inline uint8_t ClampByte(int v) { return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); }

inline uint8_t RoundEvenByte(double x) {
  const double r = RoundEvenValue(x);
  return static_cast<uint8_t>(r <= 0.0 ? 0 : (r >= 255.0 ? 255 : static_cast<int>(r)));
}

inline double Clamp01(double k) { return k < 0.0 ? 0.0 : (k > 1.0 ? 1.0 : k); }

// RoundEven(numerator / denominator) exactly, for a positive denominator.
inline int64_t RoundEvenDiv(int64_t numerator, int64_t denominator) {
  int64_t q = numerator / denominator;
  int64_t r = numerator % denominator;
  if (r < 0) {
    r += denominator;
    --q;
  }
  if (2 * r > denominator || (2 * r == denominator && (q & 1) != 0)) ++q;
  return q;
}

}  // namespace sk
