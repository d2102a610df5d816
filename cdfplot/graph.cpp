// The table: x, the empirical distribution function of the sorted residuals
// and the fitted normal distribution function, one row (3(2X,F8.3)) each.
// Two grid points below the data at level 0; each tie group twice, before and
// after its step, followed by the grid points up to the next group; the two
// points at and above the maximum at level 1. Needs at least one residual.
#include "console/format.h"
#include "routines.h"
#include "state.h"

namespace cdfplot {

namespace {

void row(con::Console& c, float x, float empirical, float fitted) {
  c.put_line(con::Record()
                 .x(2)
                 .f(static_cast<double>(x), 8, 3)
                 .x(2)
                 .f(static_cast<double>(empirical), 8, 3)
                 .x(2)
                 .f(static_cast<double>(fitted), 8, 3));
}

float level(int32_t count, int32_t n) {
  return static_cast<float>(static_cast<double>(count) / static_cast<double>(n));
}

}  // namespace

void graph_(con::Console& c, State& st) {
  const int32_t n = st.inp1_;
  const float* z = st.inp2_;
  st.ngroups = tie_groups_(z, n, power10_(st.inp0_), st.u, st.cum);
  grid_(z[0], z[n - 1], st.t);
  const float* t = st.t;
  const int32_t nl = st.ngroups;

  for (int k = 0; k < 2; ++k) row(c, t[k], 0.0f, fitted_(t[k], st.mu, st.sigma));
  for (int32_t l = 0; l < nl; ++l) {
    const float u = st.u[l];
    const float f = fitted_(u, st.mu, st.sigma);
    row(c, u, level(st.cum[l], n), f);
    row(c, u, level(st.cum[l + 1], n), f);
    if (l + 1 < nl) {
      const float next = st.u[l + 1];
      for (int k = 3; k <= 11; ++k) {  // T(4) .. T(12)
        if (u < t[k] && t[k] <= next) {
          row(c, t[k], level(st.cum[l + 1], n), fitted_(t[k], st.mu, st.sigma));
        }
      }
    }
  }
  for (int k = 12; k < 14; ++k) row(c, t[k], 1.0f, fitted_(t[k], st.mu, st.sigma));
}

}  // namespace cdfplot
