// Effects from pairwise Hodges-Lehmann shifts, and the centre from Walsh
// averages. Differences, residuals and averages are formed in double and
// rounded to single where stored; the shift table is antisymmetric by negation
// (d[j][i] = -d[i][j]) with zeros on the diagonal. Work arrays are sized to the
// data, so any group sizes the data set holds are safe.
#include "common/rank_estimates.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/median.h"

namespace common {

void rank_effects(const GroupData& data, float* theta) {
  const int k = data.held_group_count();
  float d[kMaxGroups][kMaxGroups] = {};
  std::vector<float> diff;
  for (int i = 0; i + 1 < k; ++i) {
    for (int j = i + 1; j < k; ++j) {
      const int ni = data.held_size(i);
      const int nj = data.held_size(j);
      diff.clear();
      diff.reserve(static_cast<size_t>(ni) * static_cast<size_t>(nj));
      for (int a = 0; a < ni; ++a) {
        for (int b = 0; b < nj; ++b) {
          diff.push_back(static_cast<float>(static_cast<double>(data.observations[i][a]) -
                                            static_cast<double>(data.observations[j][b])));
        }
      }
      const float med = median_of_scratch(diff.data(), static_cast<int32_t>(diff.size()));
      d[i][j] = med;
      d[j][i] = -med;
    }
  }
  for (int p = 0; p < k; ++p) d[p][p] = 0.0f;

  const double ntot = static_cast<double>(data.total_size);
  for (int p = 0; p < k; ++p) {
    double sum = 0.0;
    for (int q = 0; q < k; ++q) {
      sum += static_cast<double>(d[p][q]) * static_cast<double>(data.sizes[q]) / ntot;
    }
    theta[p] = static_cast<float>(sum);
  }
}

float rank_centre(const GroupData& data, const float* theta) {
  const int k = data.held_group_count();
  std::vector<float> e;
  for (int g = 0; g < k; ++g) {
    const int n = data.held_size(g);
    for (int b = 0; b < n; ++b) {
      e.push_back(static_cast<float>(static_cast<double>(data.observations[g][b]) -
                                     static_cast<double>(theta[g])));
    }
  }
  const size_t ne = e.size();
  std::vector<float> walsh;
  walsh.reserve(ne * (ne + 1) / 2);
  for (size_t a = 0; a < ne; ++a) {
    const double ea = static_cast<double>(e[a]);
    for (size_t b = a; b < ne; ++b) {
      walsh.push_back(static_cast<float>((ea + static_cast<double>(e[b])) / 2.0));
    }
  }
  return median_of_scratch(walsh.data(), static_cast<int32_t>(walsh.size()));
}

float grand_mean(const GroupData& d) {
  float mean = 0.0f;
  const double total = static_cast<double>(d.total_size);
  for (int i = 0; i < d.held_group_count(); ++i) {
    const int n = d.held_size(i);
    if (n == 0) continue;
    const int even = n - n % 2;
    double sum = static_cast<double>(mean);
    for (int j = 0; j < even; ++j) sum += static_cast<double>(d.observations[i][j]) / total;
    if (even > 0) mean = static_cast<float>(sum);
    if (n % 2 == 1) {
      mean = static_cast<float>(static_cast<double>(mean) +
                                static_cast<double>(d.observations[i][n - 1]) / total);
    }
  }
  return mean;
}

void locations_about(float base, const float* effects, int k, float* locations) {
  for (int i = 0; i < k; ++i) {
    locations[i] = static_cast<float>(static_cast<double>(base) + static_cast<double>(effects[i]));
  }
}

}  // namespace common
