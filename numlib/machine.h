// Machine constants of the integration library, stated as decimal values.
#ifndef NUMLIB_MACHINE_H
#define NUMLIB_MACHINE_H

namespace numlib {

// The unit round-off as the library states it, 2.22e-16 (slightly below
// 2^-52).
constexpr double kUnitRoundoff = 2.22e-16;

// The largest finite double.
constexpr double kLargestDouble = 1.7976931348623157e308;

}  // namespace numlib

#endif  // NUMLIB_MACHINE_H
