// The input stage: the group-data dialogue with this program's texts (群, the
// counter つ), the echo of every group five values a line, and the refusal of
// a group of no observation after the echo, before any rank is formed.
#include "common/dialogue.h"
#include "common/echo.h"
#include "homorank/state.h"

namespace homorank {

namespace {

const common::DialogueTexts kDialogueTexts = {
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

void read_input(con::Console& c, State& state) {
  common::group_dialogue(c, kDialogueTexts, kLargestGroup, common::echo_five_per_line, state.data);

  // Every group needs an observation: the mean rank divides by the size, and
  // a negative size would shift the blocks of the pooled ranks.
  common::refuse_small_groups(c, state.data, 1);
}

}  // namespace homorank
