// The trend statistics of one arrangement of ranks: group mean ranks, their
// isotonic fit with the group sizes as weights, strend = sum N(i)(fit - c)^2
// and sdev = sum N(i)(rbar - fit)^2 with c = (N+1)/2, carried in double and
// stored once in single. rtstat_ multiplies both by (N-1) / sum (R - c)^2;
// with all ranks tied that divisor is 0 and the results are NaN.
#include "common/mid_ranks.h"
#include "state.h"

namespace trendrank {

void trnst_(State& st, const float* r, int32_t n, float& s1, float& s2) {
  s1 = 0.0f;
  s2 = 0.0f;
  const int32_t k = st.grp.groups();
  int32_t pos = 0;
  for (int32_t i = 0; i < k; ++i) {
    const int32_t ni = st.grp.count(i);
    const double sum = common::rank_sum(r + pos, ni);  // exact: the order does not matter
    pos += ni;
    st.rbar[i] = static_cast<float>(sum / static_cast<double>(st.grp.nsize[i]));
  }
  ireg_(k, st.rbar, st.rte2, st.rfit);
  const double c = (static_cast<double>(n) + 1.0) / 2.0;
  double strend = 0.0;
  double sdev = 0.0;
  for (int32_t i = 0; i < k; ++i) {
    const double ni = static_cast<double>(st.grp.nsize[i]);
    const double dt = static_cast<double>(st.rfit[i]) - c;
    const double dd = static_cast<double>(st.rbar[i]) - static_cast<double>(st.rfit[i]);
    strend += ni * (dt * dt);
    sdev += ni * (dd * dd);
  }
  s1 = static_cast<float>(strend);
  s2 = static_cast<float>(sdev);
}

void rtstat_(const float* r, int32_t n, float s1, float s2, float& t1, float& t2) {
  const double c = (static_cast<double>(n) + 1.0) / 2.0;
  double d = 0.0;
  for (int32_t a = 0; a < n; ++a) {
    const double x = static_cast<double>(r[a]) - c;
    d += x * x;
  }
  const double nm1 = static_cast<double>(n) - 1.0;
  t1 = static_cast<float>((static_cast<double>(s1) * nm1) / d);
  t2 = static_cast<float>((static_cast<double>(s2) * nm1) / d);
}

}  // namespace trendrank
