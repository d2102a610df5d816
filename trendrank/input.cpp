// The data dialogue of the trend test: number of groups, sizes, observations
// group by group, the level, then the echo of every group.
// Groups that hold no observation are refused after the echo, before any rank
// is formed: a mean rank would divide by the size, and a negative first size
// would make the rearrangement address positions before the pooled sample.
#include "common/dialogue.h"
#include "common/echo.h"
#include "trendrank/state.h"

namespace trendrank {

namespace {

const common::DialogueTexts kDialogueTexts = {
    "標本の個数(",                      // count_head
    "以下)を入力して下さい",            // count_tail
    " 個の標本サイズを入力して下さい",  // sizes
    "第",                               // group_head
    " 標本の観測値を",                  // group_obs
    "個入力してください.",              // group_more
    "有意水準を入力して下さい. ",       // level
    " 標本目の観測値は ",               // echo_heading
};

}  // namespace

void read_input(con::Console& c, State& state) {
  common::group_dialogue(c, kDialogueTexts, kLargestGroup, common::echo_five_per_line, state.data);
  common::refuse_small_groups(c, state.data, 1);
}

}  // namespace trendrank
