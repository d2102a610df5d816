// Machine constants of the integration library.
// unit_roundoff: the unit round-off as the library states it, 2.22e-16 (a decimal
// value, slightly below 2^-52). largest_double: the largest finite double.
// Both ignore their argument.
#ifndef NUMLIB_MACHINE_H
#define NUMLIB_MACHINE_H

namespace numlib {

double unit_roundoff(const double& unused);
double largest_double(const double& unused);

}  // namespace numlib

#endif  // NUMLIB_MACHINE_H
