// The mean absolute value of the residuals: the sum of |z|/n over the vector
// in index order, each term divided before it is added, carried in double
// from 0 and stored single. The scale of every reference law is fitted to it.
#include <cmath>

#include "distsearch/state.h"

namespace distsearch {

float mean_absolute_residual(const float* z, int32_t n) {
  if (n <= 0) return 0.0f;
  const double dn = static_cast<double>(n);
  double sum = 0.0;
  for (int32_t i = 0; i < n; ++i) sum += std::fabs(static_cast<double>(z[i])) / dn;
  return static_cast<float>(sum);
}

}  // namespace distsearch
