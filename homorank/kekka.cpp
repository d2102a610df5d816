// kekka_: the report. Title, TR (F10.3), H (F10.5), the P value or the range
// from pgt to pge, the decision at the level (randomized when the level falls
// between the two), then the point estimates: the effects, the symmetric case
// around the rank centre and the general case around the grand mean, whose
// estimates gmean + THETA(i) replace CENTRE + THETA(i) in res2_.
#include <string>

#include "common/decision.h"
#include "console/cp932.h"
#include "console/format.h"
#include "homorank/homorank.h"

namespace homorank {

namespace {

// One line of a group: (A5,I2,A<w>,2X,F<fw>.3) with "第", i, the text, value.
void group_line(con::Console& c, int i, const std::string& text, int w, float v, int fw) {
  c.put_line(
      con::Record().a(con::sjis("第"), 5).i(i, 2).a(text, w).x(2).f(static_cast<double>(v), fw, 3));
}

// The overall location line: (A19,2X,F12.3) with " 全平均は,".
void centre_line(con::Console& c, float v) {
  c.put_line(con::Record().a(con::sjis(" 全平均は,"), 19).x(2).f(static_cast<double>(v), 12, 3));
}

}  // namespace

void kekka_(con::Console& c, State& st) {
  const float tr = st.rte1_[0];
  const float h = st.rte1_[1];
  const float pge = st.rte1_[2];
  const float pgt = st.rte1_[3];
  const int k = st.grp.groups();

  c.write({});
  c.write({});
  c.write({" ----------------------------------------- "});
  c.write({con::sjis(" 一様性のノンパラメトリック検定と順位推定 ")});
  c.write({});
  c.put_line(con::Record()
                 .text(con::sjis(" 　検定統計量の値は "))
                 .f(static_cast<double>(tr), 10, 3)
                 .text(con::sjis(" です")));
  c.put_line(con::Record()
                 .text(con::sjis(" 　正規化検定統計量は"))
                 .f(static_cast<double>(h), 10, 5)
                 .text(con::sjis(" です")));
  c.put_line("");
  common::write_p_value_line(c, pge, pgt, " 　ｐ値は ", false);
  c.write({});
  common::write_decision(c, common::randomized_decision(pge, pgt, st.grp.alpha, st.gen),
                         st.grp.alpha, common::kRejectHomogeneity, common::kAcceptHomogeneity);
  c.write({});
  c.write({con::sjis("*********点推定*********")});

  const std::string effect_text = con::sjis(" 群の主効果は,");
  const std::string mean_text = con::sjis(" 群の平均は,");
  for (int i = 0; i < k; ++i) group_line(c, i + 1, effect_text, 14, st.res1_[i], 10);

  c.write({con::sjis("(1) 分布に対称性を仮定できるとき")});
  centre_line(c, st.res2_[0]);
  for (int i = 0; i < k; ++i) group_line(c, i + 1, mean_text, 12, st.res2_[i + 1], 12);

  c.write({con::sjis("(2) 分布に対称性を仮定できないとき")});
  centre_line(c, st.as1_);
  for (int i = 0; i < k; ++i) {
    st.res2_[i + 1] =
        static_cast<float>(static_cast<double>(st.as1_) + static_cast<double>(st.res1_[i]));
    group_line(c, i + 1, mean_text, 12, st.res2_[i + 1], 12);
  }
}

}  // namespace homorank
