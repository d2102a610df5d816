// Weighted non-decreasing isotonic regression by minimum block averages: from
// each block start s, the block value g is the smallest weighted average of y
// over positions s..j (first found on ties); the block runs to the last e
// whose average is within 1.0E-5 of g. When no e passes (a NaN average), the
// block is s alone, so every fitted value is written and the loop always ends.
#include "trendrank/state.h"

namespace trendrank {

namespace {
constexpr float kTolerance = 1.0E-5f;  // 0x3727C5AC
}  // namespace

double weighted_block_average(int32_t i, int32_t j, const float* y, const float* w) {
  double a = 0.0;
  double b = 0.0;
  for (int32_t l = i; l <= j; ++l) {
    a += static_cast<double>(w[l - 1]) * static_cast<double>(y[l - 1]);
    b += static_cast<double>(w[l - 1]);
  }
  return a / b;
}

double smallest_block_average(int32_t i, int32_t k, const float* y, const float* w) {
  double g = static_cast<double>(y[i - 1]);
  for (int32_t j = i; j <= k; ++j) {
    const double a = weighted_block_average(i, j, y, w);
    if (a < g) g = a;
  }
  return g;
}

void isotonic_fit(int32_t k, const float* y, const float* w, float* fit) {
  int32_t s = 1;
  while (s <= k) {
    const double g = smallest_block_average(s, k, y, w);
    int32_t e = s;  // used when no end passes the test
    for (int32_t end = k; end >= s; --end) {
      if (weighted_block_average(s, end, y, w) - static_cast<double>(kTolerance) <= g) {
        e = end;
        break;
      }
    }
    for (int32_t l = s; l <= e; ++l) fit[l - 1] = static_cast<float>(g);
    s = e + 1;
  }
}

}  // namespace trendrank
