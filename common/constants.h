// Constants as the programs store them, written as the literal of the stored
// value: in single precision, and 2 pi once more in double.
#ifndef COMMON_CONSTANTS_H
#define COMMON_CONSTANTS_H

namespace common {

constexpr float kPi = 3.1415927f;          // pi (bits 40490FDB)
constexpr float kTwoPi = 6.2831855f;       // 2 pi (bits 40C90FDB)
constexpr float kTwoOverPi = 0.63661975f;  // 2 / pi (bits 3F22F983)
constexpr float kOneOverPi = 0.31830987f;  // 1 / pi (bits 3EA2F983)

constexpr double kTwoPiDouble = 6.283185307179586;  // 2 pi (bits 401921FB54442D18)

}  // namespace common

#endif  // COMMON_CONSTANTS_H
