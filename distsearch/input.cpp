// The input stage: the heading, an empty line, then the group-data dialogue
// with this program's texts and the echo of every group. A group of one has
// the residual 0/0, which would leave every distance 0, and a group of none or
// of a negative size adds nothing: neither can be measured, so both are
// refused once every group is echoed.
#include "common/dialogue.h"
#include "common/echo.h"
#include "console/cp932.h"
#include "distsearch/state.h"

namespace distsearch {

namespace {

const common::DialogueTexts kDialogueTexts = {
    "標本(群)の個数(",                      // count_head
    "以下)を入力して下さい",                // count_tail
    " 個の標本(群)サイズを入力して下さい",  // sizes
    "第",                                   // group_head
    " 標本(群)の観測値を",                  // group_obs
    "個入力してください.",                  // group_more
    nullptr,                                // level: none is asked
    " 標本(群)目の観測値は ",               // echo_heading
};

}  // namespace

void read_input(con::Console& c, State& state) {
  c.write({con::to_cp932(" 分布を探す.")});
  c.write({});
  common::group_dialogue(c, kDialogueTexts, kLargestGroup, common::echo_five_per_line, state.data);
  common::refuse_small_groups(c, state.data, 2);
}

}  // namespace distsearch
