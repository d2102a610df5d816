// The choice of the closest law: each distance times 100000 is rounded to
// single, then to a whole number with halves away from zero (exact in single),
// and the first law whose whole number is the least is chosen.
#include <cmath>
#include <cstdint>

#include "distsearch/state.h"

namespace distsearch {

Law closest_law(const float distance[kLawCount]) {
  int32_t rounded[kLawCount];
  for (int law = 0; law < kLawCount; ++law) {
    const float p =
        static_cast<float>(static_cast<double>(distance[law]) * static_cast<double>(100000.0f));
    const float r = std::round(p);  // exact, half away from zero
    // A distance lies in [0, 1], so r lies in [0, 100000]; anything else
    // (never produced) counts as the largest distance.
    rounded[law] = (r >= 0.0f && r <= 100000.0f) ? static_cast<int32_t>(r) : 100000;
  }
  int32_t least = rounded[0];
  for (int law = 1; law < kLawCount; ++law) {
    if (rounded[law] < least) least = rounded[law];
  }
  for (int law = 0; law < kLawCount - 1; ++law) {
    if (rounded[law] == least) return static_cast<Law>(law);
  }
  return kExponential;
}

}  // namespace distsearch
