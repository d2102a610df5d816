// Multiplicative congruential generator modulo 2^31 with multiplier 5^11.
// The product is formed in unsigned 32-bit arithmetic, which wraps by
// definition; clearing the sign bit is the same as adding 2^31 to a negative
// signed result. The quotient x / 2^31 is exact in double and then rounded to
// single. The partial permutation truncates q * u (in double) towards zero.
#include "common/uniform_generator.h"

namespace common {

namespace {
constexpr uint32_t kMultiplier = 48828125u;  // 5^11
constexpr float kTwo31 = 2147483648.0f;      // 2^31
constexpr uint32_t kLow31 = 0x7FFFFFFFu;

// 5^11 to the powers 2, 3, 4, modulo 2^32: the state k steps on is
// 5^(11k) x mod 2^31, and reducing the multiplier modulo 2^32 first does not
// change the low 31 bits of the product.
constexpr uint32_t kMultiplier2 = kMultiplier * kMultiplier;
constexpr uint32_t kMultiplier3 = kMultiplier2 * kMultiplier;
constexpr uint32_t kMultiplier4 = kMultiplier3 * kMultiplier;

float unit(uint32_t x) {
  return static_cast<float>(static_cast<double>(x) / static_cast<double>(kTwo31));
}

}  // namespace

float next_uniform(uint32_t& x) {
  x = (x * kMultiplier) & kLow31;
  return unit(x);
}

float UniformGenerator::next() { return next_uniform(started_state()); }

// One exchange of the partial shuffle at q for the draw of state x, the step
// partial_shuffle takes with u = x / 2^31 rounded to single. That u is the
// single nearest x (an integer of at most 31 bits, exactly as the conversion
// rounds it) scaled by 2^-31, so trunc(q * u) = (q * single(x)) >> 31 in
// integers, with no rounding left to place.
inline void exchange(float* r, int32_t q, uint32_t x) {
  const int64_t rounded = static_cast<int64_t>(static_cast<float>(static_cast<int32_t>(x)));
  int32_t j = static_cast<int32_t>((static_cast<int64_t>(q) * rounded) >> 31) + 1;
  if (j == q + 1) j = 1;
  const float held = r[j - 1];
  r[j - 1] = r[q - 1];
  r[q - 1] = held;
}

bool UniformGenerator::shuffle(float* r, int32_t n, int32_t m) {
  if (m <= 0) return true;
  if (m > n) return false;
  uint32_t& current = started_state();
  // Every draw lies in [0, 1], so 0 <= q * u <= q and the conversion is in
  // range. Four states are formed from the same x (four independent products
  // in place of a chain of four); the exchanges still run in order.
  uint32_t x = current;
  int32_t q = n;
  const int32_t last = n - m;
  for (; q - 4 >= last; q -= 4) {
    const uint32_t one_step = (x * kMultiplier) & kLow31;
    const uint32_t two_steps = (x * kMultiplier2) & kLow31;
    const uint32_t three_steps = (x * kMultiplier3) & kLow31;
    const uint32_t four_steps = (x * kMultiplier4) & kLow31;
    exchange(r, q, one_step);
    exchange(r, q - 1, two_steps);
    exchange(r, q - 2, three_steps);
    exchange(r, q - 3, four_steps);
    x = four_steps;
  }
  for (; q > last; --q) {
    x = (x * kMultiplier) & kLow31;
    exchange(r, q, x);
  }
  current = x;
  return true;
}

float NonzeroUniformGenerator::next() {
  uint32_t& current = started_state();
  float u = next_uniform(current);
  if (u == 0.0f || u == 1.0f) u = next_uniform(current);
  return u;
}

bool partial_shuffle(float* r, int32_t n, const float* u, int32_t m) {
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
