// Box-Muller normal deviates: r = sqrt(-2 ln u1), a = 2 pi u2, (r cos a,
// r sin a), from two consecutive draws of the second generator. Each stored
// value (ln u1, r, a, both deviates) is rounded to single precision; the
// functions are evaluated in double. u1 = 1.0 gives two zeros.
#include <cmath>

#include "common/constants.h"
#include "trendrank/state.h"

namespace trendrank {

NormalPair normal_deviate_pair(common::NonzeroUniformGenerator& gen) {
  const float u1 = gen.next();
  const float u2 = gen.next();
  const float l = static_cast<float>(std::log(static_cast<double>(u1)));
  const float r = static_cast<float>(std::sqrt(-(static_cast<double>(l) + static_cast<double>(l))));
  const float a = static_cast<float>(static_cast<double>(u2) * static_cast<double>(common::kTwoPi));
  NormalPair z;
  z.first = static_cast<float>(static_cast<double>(r) * std::cos(static_cast<double>(a)));
  z.second = static_cast<float>(static_cast<double>(r) * std::sin(static_cast<double>(a)));
  return z;
}

}  // namespace trendrank
