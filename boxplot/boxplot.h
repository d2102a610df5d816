// The box-plot filter: reads group data silently from standard input and
// writes, group by group, the line segments of a box-and-whisker drawing as
// rows of x, y coordinates separated by blank lines.
#ifndef BOXPLOT_BOXPLOT_H
#define BOXPLOT_BOXPLOT_H

#include "console/console.h"

namespace boxplot {

int run(const con::Io& io);

}  // namespace boxplot

#endif  // BOXPLOT_BOXPLOT_H
