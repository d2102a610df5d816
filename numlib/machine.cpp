// Machine constants of the integration library, stated as decimal values.
// The argument is accepted for the calling convention and ignored.
#include "numlib/machine.h"

namespace numlib {

double unit_roundoff(const double& /*unused*/) { return 2.22e-16; }

double largest_double(const double& /*unused*/) { return 1.7976931348623157e308; }

}  // namespace numlib
