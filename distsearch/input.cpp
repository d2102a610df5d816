// input_: the heading, an empty line, the group-data dialogue with this
// program's texts (no level prompt; at most 10 groups of 1000), the echo of
// every group, then the group means and the pooled residuals. The dialogue
// refuses what the storage cannot hold right after the read that brought it;
// a group of fewer than two observations is refused after the echo.
#include "common/dialogue.h"
#include "common/echo.h"
#include "common/residuals.h"
#include "console/cp932.h"
#include "search.h"

namespace distsearch {

void input_(con::Console& c, State& st) {
  c.write({con::sjis(" 分布を探す.")});
  c.write({});
  common::DialogueTexts texts;
  texts.count_head = "標本(群)の個数(";
  texts.count_tail = "以下)を入力して下さい";
  texts.sizes = " 個の標本(群)サイズを入力して下さい";
  texts.group_head = "第";
  texts.group_obs = " 標本(群)の観測値を";
  texts.group_more = "個入力してください.";
  texts.level = nullptr;
  texts.echo_heading = " 標本(群)目の観測値は ";
  common::group_dialogue(c, texts, common::kMaxGroupSize, common::echo_five_per_line, st.grp);
  // A group of one has the residual 0/0, which leaves every distance 0, and a
  // group of none or a negative size adds nothing: neither can be measured.
  common::refuse_small_groups(c, st.grp, 2);

  common::group_means(st.grp, st.xmean);
  common::pooled_residuals(st.grp, st.xmean, st.inp2_);
  st.inp1_ = st.grp.ntotal;
}

}  // namespace distsearch
