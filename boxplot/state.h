// The run state of the box-plot filter and the declarations of its stages:
// the silent input, the box statistics and the box figure of one group, the
// writer of that group's segment table, and the report that runs them group
// by group. Group numbers are 1-based.
#ifndef BOXPLOT_STATE_H
#define BOXPLOT_STATE_H

#include <cstdint>

#include "common/group_data.h"
#include "console/console.h"

namespace boxplot {

constexpr int kLargestGroup = 100;  // observations in the largest group the filter holds

// The run's storage: the data set as read.
struct State {
  common::GroupData data;  // the number of groups, the sizes, the observations
};

// The five values a box drawing shows for one group.
struct BoxStatistics {
  float minimum = 0.0f;
  float maximum = 0.0f;
  float lower_quartile = 0.0f;
  float median = 0.0f;
  float upper_quartile = 0.0f;
};

// The x positions of one group's drawing, each rounded to single precision.
struct BoxFigure {
  float whisker_x = 0.0f;    // the group number: both whiskers
  float box_left_x = 0.0f;   // left edge of the box and of the median bar
  float box_right_x = 0.0f;  // right edge of the box and of the median bar
  float cap_right_x = 0.0f;  // right end of both caps
  float cap_left_x = 0.0f;   // left end of both caps
};

// Reads the number of groups, the sizes and every group's observations with
// no prompt and nothing written, into state.data; refuses (status 8, before
// any row) a count below 1 or above 10, a size above kLargestGroup (100), and a
// group of no observation (a size of 0 or below).
void read_input(con::Console& c, State& state);

// The value at position (n+1) * fraction of sorted[0..n-1] (ascending, n >= 1),
// interpolated linearly between the neighbouring order statistics, with the
// position held to 1..n; no value outside the sample is read.
float interpolated_quantile(const float* sorted, int32_t n, float fraction);

// Sorts group[0..n-1] ascending in place and returns its extremes, its
// quartiles and its median. n >= 1.
BoxStatistics box_statistics(float* group, int32_t n);

// The x positions of the drawing of group group_number: the whiskers at the
// group number, the box 0.4 wide and the caps 0.1 wide around it.
BoxFigure box_figure(int32_t group_number);

// Writes one group's segment table: the box, the median bar, the upper
// whisker and cap, the lower whisker and cap, as rows of x and y in
// (2X,F10.3,2X,F10.3), each segment followed by a blank line. Writes only.
void write_segment_table(con::Console& c, const BoxFigure& figure, const BoxStatistics& stats);

// The report, group by group in group order: a copy of the group sorted by
// box_statistics, its box figure, and its segment table. Every size is 1 to
// kLargestGroup (the input refuses others).
void write_report(con::Console& c, const State& state);

}  // namespace boxplot

#endif  // BOXPLOT_STATE_H
