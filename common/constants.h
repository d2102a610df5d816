// Constants as the programs store them in single precision, written as the
// float literal of the stored value.
#ifndef COMMON_CONSTANTS_H
#define COMMON_CONSTANTS_H

namespace common {

constexpr float kPi = 3.1415927f;          // pi (bits 40490FDB)
constexpr float kTwoPi = 6.2831855f;       // 2 pi (bits 40C90FDB)
constexpr float kTwoOverPi = 0.63661975f;  // 2 / pi (bits 3F22F983)
constexpr float kOneOverPi = 0.31830987f;  // 1 / pi (bits 3EA2F983)

}  // namespace common

#endif  // COMMON_CONSTANTS_H
