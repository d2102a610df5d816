// Machine constants of the integration library.
// dmach_: the unit round-off as the library states it, 2.22e-16 (a decimal
// value, slightly below 2^-52). dfmax_: the largest finite double.
// Both ignore their argument.
#ifndef NUMLIB_MACHINE_H
#define NUMLIB_MACHINE_H

namespace numlib {

double dmach_(const double& unused);
double dfmax_(const double& unused);

}  // namespace numlib

#endif  // NUMLIB_MACHINE_H
