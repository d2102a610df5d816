// Machine constants of the integration library.
#ifndef NUMLIB_MACHINE_H
#define NUMLIB_MACHINE_H

namespace numlib {

// The unit round-off as the library states it, 2.22e-16 (a decimal value,
// slightly below 2^-52). The argument is ignored.
double unit_roundoff(const double& unused);

// The largest finite double, 1.7976931348623157e308. The argument is ignored.
double largest_double(const double& unused);

}  // namespace numlib

#endif  // NUMLIB_MACHINE_H
