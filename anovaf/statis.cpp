// statis_: group means, grand mean, within and total sums of squares, MSB and
// F; test_: the P value of F with K - 1 and NT - K degrees of freedom. Sums run
// in double; the grand total, SW and ST are stored in single after each group,
// and an odd group's last observation is added to those stored values. A size
// of 0 gives a NaN mean, a negative size -0; neither adds to SW and ST.
#include "anovaf/statis.h"

#include <cstdint>

#include "anovaf/fbunp2.h"

namespace anovaf {

int64_t df_between(const State& st) { return static_cast<int64_t>(st.grp.ngroup) - 1; }

int64_t df_within(const State& st) {
  return static_cast<int64_t>(st.grp.ntotal) - static_cast<int64_t>(st.grp.ngroup);
}

void statis_(State& st) {
  const common::GroupData& g = st.grp;
  st.gmean = 0.0f;
  for (int j = 0; j < g.groups(); ++j) {
    st.xmean[j] = 0.0f;
    const int32_t n = g.nsize[j];
    if (n > 0) {
      const float* x = g.xobs[j];
      const int32_t even = n - n % 2;
      double s = static_cast<double>(st.xmean[j]);
      double total = static_cast<double>(st.gmean);
      for (int32_t i = 0; i < even; ++i) {
        s = s + static_cast<double>(x[i]);
        total = total + static_cast<double>(x[i]);
      }
      st.gmean = static_cast<float>(total);
      if (even < n) {
        s = s + static_cast<double>(x[n - 1]);
        st.gmean =
            static_cast<float>(static_cast<double>(st.gmean) + static_cast<double>(x[n - 1]));
      }
      st.xmean[j] = static_cast<float>(s);
    }
    // Every group, also an empty one (0/0) or one of negative size (-0).
    st.xmean[j] = static_cast<float>(static_cast<double>(st.xmean[j]) / static_cast<double>(n));
  }
  st.gmean = static_cast<float>(static_cast<double>(st.gmean) / static_cast<double>(g.ntotal));

  st.sw = 0.0f;
  st.st = 0.0f;
  const double gm = static_cast<double>(st.gmean);
  for (int j = 0; j < g.groups(); ++j) {
    const int32_t n = g.nsize[j];
    if (n <= 0) continue;
    const float* x = g.xobs[j];
    const double xm = static_cast<double>(st.xmean[j]);
    const int32_t even = n - n % 2;
    double sw = static_cast<double>(st.sw);
    double tt = static_cast<double>(st.st);
    for (int32_t i = 0; i < even; ++i) {
      const double dw = static_cast<double>(x[i]) - xm;
      const double dt = static_cast<double>(x[i]) - gm;
      sw = sw + dw * dw;
      tt = tt + dt * dt;
    }
    st.sw = static_cast<float>(sw);
    st.st = static_cast<float>(tt);
    if (even < n) {
      const double dw = static_cast<double>(x[n - 1]) - xm;
      const double dt = static_cast<double>(x[n - 1]) - gm;
      st.sw = static_cast<float>(static_cast<double>(st.sw) + dw * dw);
      st.st = static_cast<float>(static_cast<double>(st.st) + dt * dt);
    }
  }

  st.msb = static_cast<float>((static_cast<double>(st.st) - static_cast<double>(st.sw)) /
                              static_cast<double>(df_between(st)));
  const double divisor = static_cast<double>(st.sw) / static_cast<double>(df_within(st));
  st.fstat = static_cast<float>(static_cast<double>(st.msb) / divisor);
}

void test_(State& st) { fbunp2_(df_between(st), df_within(st), st.fstat, st.pvalue, st.ftail); }

}  // namespace anovaf
