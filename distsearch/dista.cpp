// dista_: echoes the pooled residuals in pooling order under their heading,
// prints the rule and the title of the search, sorts the residuals, fits one
// scale factor per law and measures the seven distances (the two outlier
// mixtures share one factor). The residual count is the total of the sizes as
// typed, so a negative total echoes at most one empty record and sorts nothing.
#include "common/echo.h"
#include "common/sort.h"
#include "console/cp932.h"
#include "search.h"

namespace distsearch {

void dista_(con::Console& c, State& st) {
  float a;
  statis_(st.inp2_, st.inp1_, a);
  c.write({});
  c.write({con::sjis(" 調整観測値は ")});
  common::echo_five_per_line(c, st.inp2_, st.inp1_);
  c.write({});
  c.write({});
  c.write({"-------------------------------------------"});
  c.write({con::sjis("分布探索")});
  c.write({});

  common::sort_ascending(st.inp2_, st.inp1_);
  scale_factors(a, st.ans1_);
  const float* z = st.inp2_;
  const int32_t n = st.inp1_;
  empn_(z, n, st.ans1_[0], st.ans2_[0]);
  empcn_(z, n, st.ans1_[1], st.ans2_[1]);
  emplg_(z, n, st.ans1_[2], st.ans2_[2]);
  empde_(z, n, st.ans1_[3], st.ans2_[3]);
  empco1_(z, n, st.ans1_[4], st.ans2_[4]);
  empco2_(z, n, st.ans1_[4], st.ans2_[5]);
  empex_(z, n, st.ans1_[5], st.ans2_[6]);
}

}  // namespace distsearch
