// Machine constants of the integration library, stated as decimal values.
#ifndef NUMLIB_MACHINE_H
#define NUMLIB_MACHINE_H

namespace numlib {

// The unit round-off as the library states it, 2.22e-16 (slightly below
// 2^-52).
constexpr double kUnitRoundoff = 2.22e-16;

// The largest finite double.
constexpr double kLargestDouble = 1.7976931348623157e308;

// Magnitudes at or below this count as zero in the quadrature's tests.
constexpr double kNegligible = kUnitRoundoff * 1.0e-30;

// The largest magnitude the quadrature lets its nodes and weights reach.
constexpr double kLargestUsable = kLargestDouble * 1.0e-10;

}  // namespace numlib

#endif  // NUMLIB_MACHINE_H
