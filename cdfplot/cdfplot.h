// The distribution-function filter: reads the number of decimals that decide
// ties and the group data silently from standard input, and writes the
// empirical distribution function of the pooled standardised residuals beside
// the fitted normal distribution function, as a three-column table.
#ifndef CDFPLOT_CDFPLOT_H
#define CDFPLOT_CDFPLOT_H

#include "console/console.h"

namespace cdfplot {

int run(const con::Io& io);

}  // namespace cdfplot

#endif  // CDFPLOT_CDFPLOT_H
