// fbunp2_: Pr(F(m, n) > F) for integer degrees of freedom by the closed-form
// finite series: start values by the parities of m and n (arc tangent, square
// roots), then the numerator terms added and the denominator terms subtracted.
// F = 0 gives 1; F = Inf gives 0 (1.2514526e-08 for odd m and odd n, from pi/2
// rounded to single); a NaN beta argument is returned as the result at once.
#include "common/constants.h"
#include "anovaf/fbunp2.h"

#include <cmath>
#include <cstdint>

namespace anovaf {

namespace {

constexpr float kOne = 1.0f;
constexpr float kHalf = 0.5f;
constexpr float kOneOverPi = 0.31830987f;  // 1/pi

// Remainder of v by 2 with truncating division: 1 odd, 0 even, -1 for a
// negative odd value (which is neither).
int64_t parity(int64_t v) { return v - 2 * (v / 2); }

}  // namespace

void fbunp2_(int64_t m, int64_t n, float f, float& p, FTail& w) {
  const double one = static_cast<double>(kOne);
  w.x =
      static_cast<float>(static_cast<double>(n) / (static_cast<double>(f) * static_cast<double>(m) +
                                                   static_cast<double>(n)));
  if (std::isnan(w.x)) {
    // Every start value and every term would be NaN; skip recurrences that
    // could run for up to a billion steps when a degree of freedom is huge.
    w.p = w.x;
    p = w.x;
    return;
  }
  w.u = (m + 1) / 2;
  w.v = (n + 1) / 2;
  const double x = static_cast<double>(w.x);
  const int64_t pm = parity(m);
  const int64_t pn = parity(n);
  if (pm == 1 && pn == 1) {
    const float q = static_cast<float>(std::sqrt((one - x) / x));
    const float theta = static_cast<float>(std::atan(static_cast<double>(q)));
    w.p = static_cast<float>(one - static_cast<double>(common::kTwoOverPi) * static_cast<double>(theta));
    const float r = static_cast<float>(std::sqrt(x * (one - x)));
    w.t = static_cast<float>(static_cast<double>(kOneOverPi) * static_cast<double>(r));
    w.i0 = 1;
    w.j0 = 1;
  } else if (pm == 1 && pn == 0) {
    const float s = static_cast<float>(std::sqrt(one - x));
    w.p = static_cast<float>(one - static_cast<double>(s));
    w.t = static_cast<float>(static_cast<double>(s) * (x * static_cast<double>(kHalf)));
    w.i0 = 1;
    w.j0 = 2;
  } else if (pm == 0 && pn == 1) {
    w.p = static_cast<float>(std::sqrt(x));
    w.t = static_cast<float>((static_cast<double>(kHalf) * static_cast<double>(w.p)) * (one - x));
    w.i0 = 2;
    w.j0 = 1;
  } else {
    // Both even, or a negative odd degree of freedom (remainder -1).
    w.p = w.x;
    w.t = static_cast<float>(x * (one - x));
    w.i0 = 2;
    w.j0 = 2;
  }
  zenka_(m, w.x, w.u, w.v, w.p, w.t, w.i0, w.j0, p);
}

void zenka_(int64_t m, float x, int64_t u, int64_t v, float& p, float& t, int32_t i0, int32_t j0,
            float& out) {
  const double step = static_cast<double>(2.0f);
  if (u > 1) {
    const double w = static_cast<double>(kOne) - static_cast<double>(x);
    double e = static_cast<double>(i0);
    double f = static_cast<double>(i0) + static_cast<double>(j0);
    double pd = static_cast<double>(p);
    double td = static_cast<double>(t);
    for (int64_t k = 1; k < u; ++k) {
      pd = pd + (step / e) * td;
      td = td * ((f / e) * w);
      f = f + step;
      e = e + step;
    }
    p = static_cast<float>(pd);
    t = static_cast<float>(td);
  }
  if (v > 1) {
    double e = static_cast<double>(j0);
    double f = static_cast<double>(m) + static_cast<double>(j0);
    double pd = static_cast<double>(p);
    double td = static_cast<double>(t);
    for (int64_t k = 1; k < v; ++k) {
      pd = pd - (step / e) * td;
      td = td * ((f / e) * static_cast<double>(x));
      f = f + step;
      e = e + step;
    }
    p = static_cast<float>(pd);
    t = static_cast<float>(td);
  }
  out = p;
}

}  // namespace anovaf
