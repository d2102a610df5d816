// Multiplicative congruential generator modulo 2^31 with multiplier 5^11.
// The product is formed in unsigned 32-bit arithmetic, which wraps by
// definition; clearing the sign bit is the same as adding 2^31 to a negative
// signed result. The quotient x / 2^31 is exact in double and then rounded to
// single. The partial permutation truncates q * u (in double) towards zero.
#include "common/urand.h"

namespace common {

namespace {
constexpr uint32_t kMultiplier = 48828125u;  // 5^11
constexpr float kTwo31 = 2147483648.0f;      // 2^31
}  // namespace

float urand4_(uint32_t& x) {
  x = (x * kMultiplier) & 0x7FFFFFFFu;
  return static_cast<float>(static_cast<double>(x) / static_cast<double>(kTwo31));
}

Urand1 Urand1::at_state(uint32_t x) {
  Urand1 g;
  g.x_ = x;
  g.started_ = true;
  return g;
}

float Urand1::urand1_() {
  if (!started_) {
    x_ = kSeed1;
    started_ = true;
  }
  return urand4_(x_);
}

Urand3 Urand3::at_state(uint32_t x) {
  Urand3 g;
  g.x_ = x;
  g.started_ = true;
  return g;
}

float Urand3::urand3_() {
  if (!started_) {
    x_ = kSeed3;
    started_ = true;
  }
  float u = urand4_(x_);
  if (u == 0.0f || u == 1.0f) u = urand4_(x_);
  return u;
}

bool permut_(float* r, int32_t n, const float* u, int32_t m) {
  if (m <= 0) return true;
  if (m > n) return false;
  int32_t q = n;
  float qf = static_cast<float>(n);  // the floating copy of q, lowered by 1.0 a step
  for (int32_t t = 0; t < m; ++t) {
    double p = static_cast<double>(qf) * static_cast<double>(u[t]);
    // Draws lie in [0, 1], so 0 <= p <= q; the clamp only keeps a value from
    // outside that range (or a NaN) from reaching the conversion.
    if (!(p >= 0.0)) p = 0.0;
    if (p > static_cast<double>(qf)) p = static_cast<double>(qf);
    int32_t j = static_cast<int32_t>(p) + 1;
    if (j == q + 1) j = 1;
    const float held = r[j - 1];
    r[j - 1] = r[q - 1];
    r[q - 1] = held;
    q -= 1;
    qf = qf - 1.0f;
  }
  return true;
}

}  // namespace common
