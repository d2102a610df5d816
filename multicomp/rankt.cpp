// Pairwise comparisons: W is the sum of the group-I mid-ranks, each rounded
// half up; TR = W - N1(N1+N2+1)/2; the critical value is the untied null
// deviation sqrt(N1 N2 (N1+N2+1)/12) times the percent point; the interval
// runs from the (KK+1)-th to the (M-KK)-th sorted difference with
// KK = trunc(single(M/2 - SD cpoint)) (Hodges-Lehmann type interval).
#include "multicomp/rankt.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "common/mid_ranks.h"
#include "common/sort.h"
#include "console/cp932.h"
#include "console/format.h"
#include "multicomp/percent_point.h"

namespace multicomp {

void rank_(const float* z, float* r, int32_t np, int32_t n1) { common::mid_ranks_of_first(z, r, n1, np); }

void order_(const State& st, int32_t n1, int32_t n2, float* d, int32_t m) {
  int32_t k = 0;
  for (int32_t a = 0; a < n1; ++a) {
    for (int32_t b = 0; b < n2; ++b) {
      d[k++] = static_cast<float>(static_cast<double>(st.zpool[a]) -
                                  static_cast<double>(st.zpool[n1 + b]));
    }
  }
  common::sort_ascending(d, m);
}

void rankt_(con::Console& c, State& st) {
  const std::string open = con::sjis("( ");
  const std::string close = con::sjis(")");
  const std::string dai = con::sjis(" 第 ");
  const std::string to = con::sjis("群と第 ");
  const std::string compare = con::sjis("群との比較");
  const std::string level_text = con::sjis(" 水準 ");
  const std::string simultaneous = con::sjis(" の同時検定で");
  const std::string critical = con::sjis("(有意点)=");
  const std::string reject1 = con::sjis(")|>(有意点) により, ");
  const std::string reject2 = con::sjis("帰無仮説 H(");
  const std::string reject3 = con::sjis(") は棄却された.");
  const std::string keep = con::sjis("　帰無仮説は棄却されない.");
  const std::string coefficient = con::sjis(" 信頼係数 ");
  const std::string no = con::sjis(" の");
  const std::string interval = con::sjis("同時信頼区間は");

  const float alpha = st.grp.alpha;
  const float percent = static_cast<float>(static_cast<double>(alpha) * 100.0);
  const float confidence = static_cast<float>(1.0 - static_cast<double>(alpha));

  asdista_(st, st.cpoint);
  c.put_line(con::Record()
                 .x(3)
                 .text(con::sjis(" 漸近分布の上側"))
                 .x(1)
                 .f(static_cast<double>(percent), 5, 1)
                 .x(1)
                 .text(con::sjis("パーセント点；"))
                 .f(st.cpoint, 7, 3));

  const int32_t k = st.grp.ngroup;
  int32_t count = 0;
  for (int32_t i = 1; i < k; ++i) {
    for (int32_t j = i + 1; j <= k; ++j) {
      count = count + 1;
      const int32_t n1 = st.grp.nsize[i - 1];
      const int32_t n2 = st.grp.nsize[j - 1];
      const int32_t np = n1 + n2;
      for (int32_t a = 0; a < n1; ++a) st.zpool[a] = st.grp.xobs[i - 1][a];
      for (int32_t b = 0; b < n2; ++b) st.zpool[n1 + b] = st.grp.xobs[j - 1][b];
      rank_(st.zpool, st.rmid, np, n1);
      int32_t w = 0;
      for (int32_t r = 0; r < n1; ++r) {
        w += static_cast<int32_t>(std::round(static_cast<double>(st.rmid[r])));
      }

      c.write({});
      c.write({open, count, close, dai, i, to, j, compare});

      const double tr = static_cast<double>(w) - static_cast<double>(n1 * (n1 + n2 + 1)) / 2.0;
      const float sd =
          static_cast<float>(std::sqrt(static_cast<double>(n1 * n2 * (n1 + n2 + 1)) / 12.0));
      c.put_line(con::Record()
                     .x(5)
                     .text("i.")
                     .text(level_text)
                     .f(static_cast<double>(alpha), 12, 4)
                     .text(simultaneous));
      c.put_line(con::Record().x(7).text("TR(").i(i, 2).text(",").i(j, 2).text(" )=").f(
          static_cast<double>(static_cast<float>(tr)), 12, 3));
      const double p = static_cast<double>(sd) * st.cpoint;
      const float crit = static_cast<float>(p);
      c.put_line(con::Record().x(7).text(critical).f(static_cast<double>(crit), 15, 3));
      if (std::fabs(tr) > static_cast<double>(crit)) {
        c.put_line(con::Record().x(7).text("|TR(").i(i, 2).text(",").i(j, 2).text(reject1));
        c.put_line(con::Record().x(7).text(reject2).i(i, 2).text(",").i(j, 2).text(reject3));
      } else {
        c.write({keep});
      }

      // Interval indices from the unrounded product. With sizes of 1..50 and
      // 0 <= cpoint <= 200, |M/2 - P| < 30000 and both indices lie in 1..M.
      const int32_t m = n1 * n2;
      const int32_t kk = static_cast<int32_t>(static_cast<float>(static_cast<double>(m) / 2.0 - p));
      int32_t lo = kk + 1;
      if (lo <= 1) lo = 1;
      int32_t hi = m - kk;
      if (hi > m) hi = m;
      order_(st, n1, n2, st.dpair, m);
      c.put_line(con::Record()
                     .x(5)
                     .text("ii.")
                     .text(coefficient)
                     .f(static_cast<double>(confidence), 12, 4)
                     .text(no));
      c.put_line(con::Record()
                     .x(7)
                     .text(interval)
                     .x(2)
                     .text("[")
                     .f(static_cast<double>(st.dpair[lo - 1]), 12, 4)
                     .text(" , ")
                     .f(static_cast<double>(st.dpair[hi - 1]), 12, 4)
                     .text(")"));
    }
  }
}

}  // namespace multicomp
