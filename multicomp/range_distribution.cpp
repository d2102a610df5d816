// The distribution function of the largest standardised difference among
// normal groups with weights l_i: the integral over z of the general
// unequal-weight integrand, by the library's double-exponential quadrature.
// With equal weights the integrand asks Phi for the same arguments again and
// again; a Phi value already computed for a bit-identical argument at the
// same point z is reused, which leaves every result bit for bit the same.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "multicomp/state.h"
#include "numlib/real_line_quadrature.h"

namespace multicomp {
namespace {

constexpr int32_t kMinEvaluations = 20;
constexpr int32_t kMaxEvaluations = 645;

// Phi values of the arguments seen at one point z (a handful at most).
class NormalDistributionCache {
 public:
  double operator()(double x) {
    uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    for (int i = 0; i < used; ++i) {
      if (keys[i] == bits) return values[i];
    }
    const double v = standard_normal_distribution(x);
    const int slot = used < kSlots ? used++ : next;
    if (used == kSlots) next = (slot + 1) % kSlots;
    keys[slot] = bits;
    values[slot] = v;
    return v;
  }

 private:
  static constexpr int kSlots = 8;
  uint64_t keys[kSlots] = {};
  double values[kSlots] = {};
  int used = 0;
  int next = 0;
};

}  // namespace

RangeLaw equal_weights_range_law(int32_t groups) {
  RangeLaw law;
  law.groups = groups;
  law.tolerance = kPercentPointTolerance;
  for (int32_t i = 0; i < groups; ++i) law.weights[i] = 1.0 / static_cast<double>(groups);
  return law;
}

double range_integrand(const RangeLaw& law, double x, double z) {
  const double* weight = law.weights;
  const int32_t k = law.groups;
  NormalDistributionCache normal_cdf;
  const double density = standard_normal_density(z);
  double sum = 0.0;
  for (int32_t i = 0; i < k; ++i) {
    double product = 1.0;
    for (int32_t j = 0; j < k; ++j) {
      if (j == i) continue;
      const double t = std::sqrt(weight[j] / weight[i]);
      const double w = std::sqrt((weight[i] + weight[j]) / weight[i]);
      const double u = t * z;
      const double shifted = u - w * x;
      const double difference = normal_cdf(u) - normal_cdf(shifted);
      product = product * difference;
    }
    sum = sum + product * density;
  }
  return sum;
}

double range_distribution(numlib::Library& lib, const RangeLaw& law, double x) {
  const numlib::QuadratureResult result = numlib::integrate_real_line(
      lib, [&law, x](double z) { return range_integrand(law, x, z); }, law.tolerance, law.tolerance,
      kMinEvaluations, kMaxEvaluations);
  return result.integral;
}

}  // namespace multicomp
