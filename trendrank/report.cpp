// The report: title, the test against a trend and the test of departure from
// it (statistic, normalised statistic, P value or the range between its two
// versions, randomized decision), then the location estimates around the rank
// centre (symmetric distributions) and around the grand mean (no symmetry).
// Both decisions draw from the first generator, after the rearrangements.
#include <string>

#include "common/decision.h"
#include "common/estimate_lines.h"
#include "console/cp932.h"
#include "console/format.h"
#include "state.h"

namespace trendrank {

namespace {

void text_line(con::Console& c, const char* utf8) { c.write({con::sjis(utf8)}); }

// (/," 検定統計量の値は ",F10.5," です ",/) and (" 正規化検定統計量は",F10.5," です",/).
void statistic_lines(con::Console& c, float stat, float normalised) {
  c.put_line("");
  c.put_line(con::Record()
                 .text(con::sjis(" 検定統計量の値は "))
                 .f(static_cast<double>(stat), 10, 5)
                 .text(con::sjis(" です ")));
  c.put_line("");
  c.put_line(con::Record()
                 .text(con::sjis(" 正規化検定統計量は"))
                 .f(static_cast<double>(normalised), 10, 5)
                 .text(con::sjis(" です")));
  c.put_line("");
}

}  // namespace

void kekka_(con::Console& c, State& st) {
  const char* const p_head = " P 値は ";
  const float alpha = st.grp.alpha;
  const int32_t k = st.grp.groups();

  c.write({});
  text_line(c, " ********************************** ");
  text_line(c, " 平均パラメ－タに傾向性がある場合の ");
  text_line(c, "  順位に基づくノンパラメトリック法  ");
  text_line(c, " ********************************** ");

  text_line(c, " 帰無仮説が一様性で対立仮説が傾向性の ");
  statistic_lines(c, st.rte1[0], st.rte1[1]);
  common::write_p_value_line(c, st.rte1[4], st.rte1[5], p_head, true);
  common::write_decision(c, common::randomized_decision(st.rte1[4], st.rte1[5], alpha, st.gen1),
                         alpha, common::kRejectHomogeneity, common::kAcceptHomogeneity);

  c.write({});
  text_line(c, " 帰無仮説が一様性で対立仮説が『傾向性がない』の ");
  statistic_lines(c, st.rte1[2], st.rte1[3]);
  common::write_p_value_line(c, st.rte1[6], st.rte1[7], p_head, true);
  common::write_decision(c, common::randomized_decision(st.rte1[6], st.rte1[7], alpha, st.gen1),
                         alpha, " 帰無仮説は棄却され『傾向性がない』が受容された. ",
                         " 帰無仮説は棄却されなかった. ");

  const std::string effect_label = con::sjis(" 標本の主効果は,");
  const std::string overall_label = con::sjis(" 全平均は,");
  const std::string mean_label = con::sjis(" 標本の平均は,");

  c.write({});
  text_line(c, " 分布が対称のとき ");
  c.write({});
  for (int32_t i = 0; i < k; ++i) common::group_estimate_line(c, i + 1, effect_label, st.res3[i]);
  common::overall_estimate_line(c, overall_label, st.res2[0]);
  for (int32_t i = 0; i < k; ++i) common::group_estimate_line(c, i + 1, mean_label, st.res2[i + 1]);

  c.write({});
  text_line(c, " 分布の対称性が仮定できないとき ");
  c.write({});
  for (int32_t i = 0; i < k; ++i) common::group_estimate_line(c, i + 1, effect_label, st.res3[i]);
  common::overall_estimate_line(c, overall_label, st.gmean);
  for (int32_t i = 0; i < k; ++i) {
    st.res2[i + 1] =
        static_cast<float>(static_cast<double>(st.gmean) + static_cast<double>(st.res3[i]));
    common::group_estimate_line(c, i + 1, mean_label, st.res2[i + 1]);
  }
}

}  // namespace trendrank
