// The input stage: the shared group-data dialogue with this program's texts
// (its level prompt writes "有為水準" where the report writes "有意水準"; both
// stay as they are), the echo of every group five values a line, and the
// shared refusal of groups without observations.
#include "anovaf/state.h"
#include "common/dialogue.h"
#include "common/echo.h"

namespace anovaf {

namespace {

const common::DialogueTexts kDialogueTexts = {
    "標本の個数(",                      // count_head
    "以下)を入力して下さい",            // count_tail
    " 個の標本サイズを入力して下さい",  // sizes
    "第",                               // group_head
    " 標本の観測値を",                  // group_obs
    "個入力してください.",              // group_more
    "有為水準を入力して下さい. ",       // level
    " 標本目の観測値は ",               // echo_heading
};

}  // namespace

void read_input(con::Console& c, State& state) {
  common::group_dialogue(c, kDialogueTexts, kLargestGroup, common::echo_five_per_line, state.data);
  // A group of no observation has no mean, and a negative size would make the
  // sums of squares and the common variance negative.
  common::refuse_small_groups(c, state.data, 1);
}

}  // namespace anovaf
