// Kolmogorov-Smirnov distance: the largest gap, over the sorted residuals,
// between the fitted law's distribution function F = 1 - Q(z/s) and the
// empirical one just before (i-1)/n and at i/n each residual. Gaps in double,
// the distance stored single. A NaN gap never raises it, so degenerate data
// (NaN or infinite scaled residuals) leave the distance at 0.
#include <cmath>

#include "search.h"
#include "tails.h"

namespace distsearch {

namespace {

using Tail = void (*)(const float&, float&);

void ks_distance(Tail tail, const float* z, int32_t n, float s, float& d) {
  d = 0.0f;
  if (n <= 0) return;
  const double dn = static_cast<double>(n);
  double b = 1.0;  // i
  double c = 0.0;  // i - 1
  for (int32_t i = 0; i < n; ++i) {
    const float t = static_cast<float>(static_cast<double>(z[i]) / static_cast<double>(s));
    float q;
    tail(t, q);
    const double f = 1.0 - static_cast<double>(q);
    const double h1 = std::fabs(f - c / dn);
    const double h2 = std::fabs(b / dn - f);
    const double h = (h1 > h2) ? h1 : h2;
    if (static_cast<double>(d) < h) d = static_cast<float>(h);
    b += 1.0;
    c += 1.0;
  }
}

}  // namespace

void empn_(const float* z, int32_t n, float s, float& d) { ks_distance(norm_, z, n, s, d); }
void empcn_(const float* z, int32_t n, float s, float& d) { ks_distance(cnbunp_, z, n, s, d); }
void emplg_(const float* z, int32_t n, float s, float& d) { ks_distance(lgbunp_, z, n, s, d); }
void empde_(const float* z, int32_t n, float s, float& d) { ks_distance(debunp_, z, n, s, d); }
void empco1_(const float* z, int32_t n, float s, float& d) { ks_distance(cobunp1_, z, n, s, d); }
void empco2_(const float* z, int32_t n, float s, float& d) { ks_distance(cobunp2_, z, n, s, d); }
void empex_(const float* z, int32_t n, float s, float& d) { ks_distance(exbunp_, z, n, s, d); }

}  // namespace distsearch
