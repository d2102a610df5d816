// Machine constants of the integration library: the stated unit round-off
// 2.22e-16 and the largest finite double 1.7976931348623157e308.
// The argument is accepted for the calling convention and ignored.
#include "numlib/machine.h"

namespace numlib {

double unit_roundoff(const double& /*unused*/) { return 2.22e-16; }

double largest_double(const double& /*unused*/) { return 1.7976931348623157e308; }

}  // namespace numlib
