// input_: the group-data dialogue with this program's texts (群, the counter
// つ), the echo of every group by dout_, and the grand mean of all
// observations (each term X(i,j)/NTOT divided separately, stored in single
// once per even part of a group and again after the last term of an odd one).
// A group size of 0 or below is refused after the echo, before the ranks.
#include "common/dialogue.h"
#include "common/echo.h"
#include "homorank/homorank.h"

namespace homorank {

namespace {

const common::DialogueTexts kTexts = {
    "群の個数(",                      // count_head
    "以下)を入力して下さい",          // count_tail
    " つの群サイズを入力して下さい",  // sizes
    "第",                             // group_head
    " 群の観測値を",                  // group_obs
    "個入力してください.",            // group_more
    "有意水準を入力して下さい. ",     // level
    " 群の観測値は ",                 // echo_heading
};

}  // namespace

void input_(con::Console& c, State& st) {
  common::group_dialogue(c, kTexts, kMaxSize, common::echo_five_per_line, st.grp);
  st.as1_ = common::grand_mean(st.grp);

  // Every group needs an observation: the mean rank divides by the size, and
  // a negative size would shift the blocks of the pooled ranks.
  common::refuse_small_groups(c, st.grp, 1);
}

}  // namespace homorank
