// The report: group by group, the box statistics of a sorted copy of the
// group and the x positions of its drawing, then its segment table of 15 rows
// of x and y and 6 blank lines. The box is drawn clockwise from its upper left
// corner and closed; every other segment is a pair of rows.
#include "boxplot/state.h"
#include "console/format.h"

namespace boxplot {

namespace {

// One row: two blanks, x in F10.3, two blanks, y in F10.3.
void write_point(con::Console& c, float x, float y) {
  c.put_line(
      con::Record().x(2).f(static_cast<double>(x), 10, 3).x(2).f(static_cast<double>(y), 10, 3));
}

void end_segment(con::Console& c) { c.write({}); }

}  // namespace

void write_segment_table(con::Console& c, const BoxFigure& figure, const BoxStatistics& stats) {
  write_point(c, figure.box_left_x, stats.upper_quartile);  // box
  write_point(c, figure.box_right_x, stats.upper_quartile);
  write_point(c, figure.box_right_x, stats.lower_quartile);
  write_point(c, figure.box_left_x, stats.lower_quartile);
  write_point(c, figure.box_left_x, stats.upper_quartile);
  end_segment(c);
  write_point(c, figure.box_left_x, stats.median);  // median bar
  write_point(c, figure.box_right_x, stats.median);
  end_segment(c);
  write_point(c, figure.whisker_x, stats.maximum);  // upper whisker
  write_point(c, figure.whisker_x, stats.upper_quartile);
  end_segment(c);
  write_point(c, figure.cap_right_x, stats.maximum);  // upper cap
  write_point(c, figure.cap_left_x, stats.maximum);
  end_segment(c);
  write_point(c, figure.whisker_x, stats.lower_quartile);  // lower whisker
  write_point(c, figure.whisker_x, stats.minimum);
  end_segment(c);
  write_point(c, figure.cap_right_x, stats.minimum);  // lower cap
  write_point(c, figure.cap_left_x, stats.minimum);
  end_segment(c);
}

void write_report(con::Console& c, const State& state) {
  float sorted_group[kLargestGroup] = {};
  const int groups = state.data.held_group_count();
  for (int i = 0; i < groups; ++i) {
    const int32_t n = state.data.sizes[i];
    for (int j = 0; j < n; ++j) sorted_group[j] = state.data.observations[i][j];
    const BoxStatistics stats = box_statistics(sorted_group, n);
    write_segment_table(c, box_figure(i + 1), stats);
  }
}

}  // namespace boxplot
