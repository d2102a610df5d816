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

// A segment of two points, then the blank line that ends it.
void write_segment(con::Console& c, float x1, float y1, float x2, float y2) {
  write_point(c, x1, y1);
  write_point(c, x2, y2);
  end_segment(c);
}

}  // namespace

void write_segment_table(con::Console& c, const BoxFigure& figure, const BoxStatistics& stats) {
  write_point(c, figure.box_left_x, stats.upper_quartile);  // box
  write_point(c, figure.box_right_x, stats.upper_quartile);
  write_point(c, figure.box_right_x, stats.lower_quartile);
  write_point(c, figure.box_left_x, stats.lower_quartile);
  write_point(c, figure.box_left_x, stats.upper_quartile);
  end_segment(c);
  // The median bar, the upper whisker and its cap, the lower whisker and its cap.
  write_segment(c, figure.box_left_x, stats.median, figure.box_right_x, stats.median);
  write_segment(c, figure.whisker_x, stats.maximum, figure.whisker_x, stats.upper_quartile);
  write_segment(c, figure.cap_right_x, stats.maximum, figure.cap_left_x, stats.maximum);
  write_segment(c, figure.whisker_x, stats.lower_quartile, figure.whisker_x, stats.minimum);
  write_segment(c, figure.cap_right_x, stats.minimum, figure.cap_left_x, stats.minimum);
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
