// The stages of a distsearch run and the numeric routines of the search.
// input_: dialogue, echo, group means, pooled residuals. dista_: residual echo,
// sort, scale factors and the seven distances. kekka_: the distance lines and
// the name of the closest law.
#ifndef DISTSEARCH_SEARCH_H
#define DISTSEARCH_SEARCH_H

#include <cstdint>

#include "console/console.h"
#include "state.h"

namespace distsearch {

void input_(con::Console& c, State& st);
void dista_(con::Console& c, State& st);
void kekka_(con::Console& c, const State& st);

// Mean of |z(1..n)|, each |z| divided by n before it is added; 0 when n <= 0.
void statis_(const float* z, int32_t n, float& a);

// The six scale factors from the mean absolute residual a, in the order
// normal, contaminated normal, logistic, double exponential, both outlier
// mixtures, exponential.
void scale_factors(float a, float f[kScaleFactors]);

// Kolmogorov-Smirnov distance of the sorted residuals z(1..n), divided by the
// scale s, from one reference law; one member per law.
void empn_(const float* z, int32_t n, float s, float& d);
void empcn_(const float* z, int32_t n, float s, float& d);
void emplg_(const float* z, int32_t n, float s, float& d);
void empde_(const float* z, int32_t n, float s, float& d);
void empco1_(const float* z, int32_t n, float s, float& d);
void empco2_(const float* z, int32_t n, float s, float& d);
void empex_(const float* z, int32_t n, float s, float& d);

// Index (0-based, in law order) of the closest law: the smallest distance
// after rounding to five decimals (half away from zero), ties to the earlier.
int closest_law(const float d[kLaws]);

}  // namespace distsearch

#endif  // DISTSEARCH_SEARCH_H
