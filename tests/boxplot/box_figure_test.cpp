// The x positions of a group's drawing, formed from the single constants.
#include <gtest/gtest.h>

#include "boxplot/state.h"

namespace {

TEST(BoxFigure, GroupTen) {
  // Group 10: the single values nearest 9.8, 10.2, 10.05 and 9.95.
  const boxplot::BoxFigure figure = boxplot::box_figure(10);
  EXPECT_EQ(figure.box_left_x, 9.8f);
  EXPECT_EQ(figure.box_right_x, 10.2f);
  EXPECT_EQ(figure.cap_right_x, 10.05f);
  EXPECT_EQ(figure.cap_left_x, 9.95f);
}

}  // namespace
