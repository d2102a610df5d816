// statis_: the mean absolute value of the residuals, sum of |z|/n over the
// vector in index order, each term divided before it is added, carried in
// double from 0 and stored single. n <= 0 gives 0. A NaN residual makes the
// mean NaN. The scale factors of all seven laws are fitted to this value.
#include <cmath>

#include "search.h"

namespace distsearch {

void statis_(const float* z, int32_t n, float& a) {
  a = 0.0f;
  if (n <= 0) return;
  const double dn = static_cast<double>(n);
  double sum = 0.0;
  for (int32_t i = 0; i < n; ++i) sum += std::fabs(static_cast<double>(z[i])) / dn;
  a = static_cast<float>(sum);
}

}  // namespace distsearch
