// kekka_: the report of the analysis of variance: a heading between asterisk
// lines, SW and ST, the between variation, F, P, the level and the verdict
// (rejected when P <= alpha; a NaN P is not rejected), then each group's main
// effect, the grand mean, the common variance SW / (NT - K) and the group
// means. Inf and NaN print as the fixed fields print them.
#include <cstdint>
#include <string>

#include "anovaf/anovaf.h"
#include "anovaf/statis.h"
#include "common/estimate_lines.h"
#include "console/cp932.h"
#include "console/format.h"

namespace anovaf {

void kekka_(con::Console& c, const State& st) {
  const std::string stars = con::sjis(" ************************************ ");
  c.write({});
  c.write({stars});
  c.write({con::sjis(" 観測値が正規分布に従う場合の最良手法 ")});
  c.write({stars});

  c.put_line("");
  c.put_line(con::Record()
                 .text(con::sjis(" 級内変動 "))
                 .f(static_cast<double>(st.sw), 15, 5)
                 .text(con::sjis(" 総変動 "))
                 .f(static_cast<double>(st.st), 15, 5));

  const float between = static_cast<float>(static_cast<double>(st.st) - static_cast<double>(st.sw));
  c.put_line("");
  c.put_line(con::Record().text(con::sjis(" 級間変動 ")).f(static_cast<double>(between), 15, 5));

  c.put_line("");
  c.put_line(con::Record()
                 .text(con::sjis(" F検定統計量の値は "))
                 .f(static_cast<double>(st.fstat), 10, 5)
                 .text(con::sjis(" です ")));
  c.put_line("");

  c.put_line(con::Record()
                 .text(con::sjis(" F検定の  P 値は "))
                 .f(static_cast<double>(st.pvalue), 10, 5)
                 .text(con::sjis(" です")));
  c.put_line("");

  c.put_line(con::Record()
                 .text(con::sjis(" 有意水準"))
                 .f(static_cast<double>(st.grp.alpha), 10, 5)
                 .text(con::sjis(" 検定の一様性の帰無仮説は ")));
  // Written as a plain comparison: an unordered one (NaN) is not a rejection.
  if (st.pvalue <= st.grp.alpha) {
    c.write({con::sjis(" 棄却された. ")});
  } else {
    c.write({con::sjis(" 棄却されなかった. ")});
  }

  const std::string effect_text = con::sjis(" 標本の主効果は,");
  for (int j = 0; j < st.grp.groups(); ++j) {
    const float effect =
        static_cast<float>(static_cast<double>(st.xmean[j]) - static_cast<double>(st.gmean));
    common::group_estimate_line(c, j + 1, effect_text, effect);
  }

  common::overall_estimate_line(c, con::sjis(" 全平均は,"), st.gmean);
  const float variance =
      static_cast<float>(static_cast<double>(st.sw) / static_cast<double>(df_within(st)));
  common::overall_estimate_line(c, con::sjis(" 共通分散は,"), variance);

  const std::string mean_text = con::sjis(" 標本の平均は,");
  for (int j = 0; j < st.grp.groups(); ++j) {
    common::group_estimate_line(c, j + 1, mean_text, st.xmean[j]);
  }
}

}  // namespace anovaf
