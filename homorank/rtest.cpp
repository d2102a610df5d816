// rtest_: the Kruskal-Wallis test. Pools the observations, gives them
// mid-ranks and prints them, prints each group's mean rank and TR, normalises
// TR with the tie correction to H, and takes the P value from the chi-square
// law with K-1 degrees of freedom when every group has 30 or more observations,
// otherwise from 9999 rearrangements of the ranks compared on TR to 4 decimals.
#include <cstdint>

#include "common/chi_square_tail.h"
#include "common/mid_ranks.h"
#include "common/randomization.h"
#include "common/uniform_generator.h"
#include "console/cp932.h"
#include "homorank/homorank.h"

namespace homorank {

namespace {

// Randomization P values: 9999 rounds, each rearranging the last m ranks in
// place (never restored) and counting statistics at or above, and above, the
// observed one. The counts are divided by 10000.
void randomize_(State& st, int32_t ntot) {
  common::TailCounter tail(st.rte1_[0]);
  const int32_t m = ntot - st.grp.nsize[0];
  for (int round = 0; round < common::kRandomRepeats; ++round) {
    st.gen.shuffle(st.rmid, ntot, m);
    float t = 0.0f;
    trnst_(st, st.rmid, ntot, t);
    tail.add(t);
  }
  st.rte1_[2] = tail.share_at_least();
  st.rte1_[3] = tail.share_above();
}

}  // namespace

void rtest_(con::Console& c, State& st) {
  const common::GroupData& g = st.grp;
  const int32_t ntot = g.ntotal;

  common::pool_observations(g, st.zpool);

  common::mid_ranks(st.zpool, st.rmid, ntot);
  rank_print_(c, st.rmid, ntot);

  trnst_(st, st.rmid, ntot, st.rte1_[0]);
  trnst_print_(c, st, st.rte1_[0]);

  rtstat_(st.rmid, ntot, st.rte1_[0], st.rte1_[1]);

  if (common::all_groups_large(g)) {
    // K - 1 taken in 64 bits: the most negative K has no 32-bit K - 1. Every
    // nu of 0 or below takes the same series (no terms), so such a nu is held
    // at the most negative 32-bit value.
    const int64_t nu_wide = static_cast<int64_t>(g.ngroup) - 1;
    const int32_t nu = nu_wide < INT32_MIN ? INT32_MIN : static_cast<int32_t>(nu_wide);
    const float p = common::chi_square_upper_tail(nu, st.rte1_[1]);
    st.rte1_[2] = p;
    st.rte1_[3] = p;
  } else {
    randomize_(st, ntot);
  }
}

void rank_print_(con::Console& c, const float* r, int32_t n) {
  c.write({});
  c.write({con::sjis("順位")});
  dout2_(c, r, n);
}

void trnst_(State& st, const float* r, int32_t n, float& tr) {
  const common::GroupData& g = st.grp;
  tr = 0.0f;
  const double center = static_cast<double>(n + 1) / 2.0;
  int32_t pos = 0;
  for (int i = 0; i < g.groups(); ++i) {
    const int32_t ni = g.nsize[i];
    st.rbar[i] = 0.0f;
    if (ni > 0) {
      const double sum = common::rank_sum(r + pos, ni);  // exact: the order does not matter
      pos += ni;
      st.rbar[i] = static_cast<float>(sum);
    }
    // TR takes the unrounded quotient; the printed mean rank is stored in single.
    const double q = static_cast<double>(st.rbar[i]) / static_cast<double>(ni);
    st.rbar[i] = static_cast<float>(q);
    const double dev = q - center;
    tr = static_cast<float>(static_cast<double>(tr) + static_cast<double>(ni) * (dev * dev));
  }
}

void trnst_print_(con::Console& c, const State& st, float tr) {
  const std::string head = con::sjis("第");
  const std::string tail = con::sjis("群の順位の標本平均は　");
  for (int i = 0; i < st.grp.groups(); ++i) {
    c.write({head, int32_t{i + 1}, tail, st.rbar[i]});
  }
  c.write({con::sjis("TRの値は　"), tr});
}

void rtstat_(const float* r, int32_t n, float tr, float& h) {
  const double center = static_cast<double>(n + 1) / 2.0;
  double d = 0.0;
  for (int32_t a = 0; a < n; ++a) {
    const double dev = static_cast<double>(r[a]) - center;
    d += dev * dev;
  }
  h = static_cast<float>((static_cast<double>(tr) * static_cast<double>(n - 1)) / d);
}

}  // namespace homorank
