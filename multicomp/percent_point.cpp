// Percent point of the range of K normal variables with weights 1/K: bisection
// over x of the quadrature of the general unequal-weight integrand. The
// integrand asks Phi for the same arguments again and again when the weights
// are equal; a Phi value already computed for a bit-identical argument within
// the same node is reused, which leaves every result bit for bit the same.
#include "multicomp/percent_point.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "multicomp/bisection.h"
#include "multicomp/normal.h"
#include "numlib/real_line_quadrature.h"

namespace multicomp {
namespace {

constexpr int32_t kNmin = 20;
constexpr int32_t kNmax = 645;

// Phi values of the arguments seen at one node (a handful at most).
class PhiCache {
 public:
  double operator()(const double& x) {
    uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    for (int i = 0; i < used_; ++i) {
      if (key_[i] == bits) return value_[i];
    }
    const double v = phi_(x);
    const int slot = used_ < kSlots ? used_++ : next_;
    if (used_ == kSlots) next_ = (slot + 1) % kSlots;
    key_[slot] = bits;
    value_[slot] = v;
    return v;
  }

 private:
  static constexpr int kSlots = 8;
  uint64_t key_[kSlots] = {};
  double value_[kSlots] = {};
  int used_ = 0;
  int next_ = 0;
};

}  // namespace

double finta_(const State& st, const double& z) {
  const double x = st.xtrial;
  const double* lam = st.wlam;
  const int32_t k = st.grp.ngroup;
  PhiCache phi;
  const double density = stdnorm_(z);
  double sum = 0.0;
  for (int32_t i = 0; i < k; ++i) {
    double prod = 1.0;
    for (int32_t j = 0; j < k; ++j) {
      if (j == i) continue;
      const double t = std::sqrt(lam[j] / lam[i]);
      const double w = std::sqrt((lam[i] + lam[j]) / lam[i]);
      const double u = t * z;
      const double shifted = u - w * x;
      const double diff = phi(u) - phi(shifted);
      prod = prod * diff;
    }
    sum = sum + prod * density;
  }
  return sum;
}

double eqa_(State& st, const double& x) {
  st.xtrial = x;
  const State& cst = st;
  numlib::integrate_real_line(
      st.lib, [&cst](const double& z) { return finta_(cst, z); }, st.eps, st.eps, kNmin, kNmax,
      st.s, st.err, st.nev, st.icon);
  return st.s - (1.0 - static_cast<double>(st.grp.alpha));
}

void asdista_(State& st, double& c) {
  st.eps = static_cast<double>(1.0e-8f);  // 9.99999993922529e-09
  const int32_t k = st.grp.ngroup;
  for (int32_t i = 0; i < k; ++i) st.wlam[i] = 1.0 / static_cast<double>(k);
  double x = 0.0;
  bisection_(
      x, [&st](const double& xt) { return eqa_(st, xt); }, st.eps);
  // Three decimals, an exact half away from zero; x lies in [0, 200].
  const int32_t n = static_cast<int32_t>(std::round(x * 1000.0));
  c = static_cast<double>(n) / 1000.0;
}

}  // namespace multicomp
