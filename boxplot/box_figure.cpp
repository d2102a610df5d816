// x positions of group i's drawing: the whiskers at i, the box edges at
// i -/+ 0.2 and the cap ends at i +/- 0.05, each formed in double from the
// single constants as stored and rounded to single precision.
#include "boxplot/state.h"

namespace boxplot {

namespace {
constexpr float kHalfBoxWidth = 0.2f;   // 0.200000003 as stored
constexpr float kHalfCapWidth = 0.05f;  // 0.0500000007 as stored
}  // namespace

BoxFigure box_figure(int32_t group_number) {
  const double centre = static_cast<double>(group_number);
  BoxFigure figure;
  figure.whisker_x = static_cast<float>(centre);
  figure.box_left_x = static_cast<float>(centre - static_cast<double>(kHalfBoxWidth));
  figure.box_right_x = static_cast<float>(centre + static_cast<double>(kHalfBoxWidth));
  figure.cap_right_x = static_cast<float>(centre + static_cast<double>(kHalfCapWidth));
  figure.cap_left_x = static_cast<float>(centre - static_cast<double>(kHalfCapWidth));
  return figure;
}

}  // namespace boxplot
