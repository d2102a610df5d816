// Numeric routines of the distribution-function table: the normal fit, the
// tie key and tie groups, the grid and the fitted distribution function.
// None of them prints or stops.
#ifndef CDFPLOT_ROUTINES_H
#define CDFPLOT_ROUTINES_H

#include <cstdint>

namespace cdfplot {

// Location (mean) and scale (mean absolute deviation / sqrt(2/pi)) of a normal
// law fitted to z[0..n-1]; both 0 when n <= 0.
void statis_(const float* z, int32_t n, float& mu, float& sigma);

// 10 to the power m as a 32-bit integer: 0 for a negative m. m <= 9.
int32_t power10_(int32_t m);

// Tie key of v for the factor p = 10^M: v*p stored single, then rounded to the
// nearest whole number with halves away from zero, kept in double so that no
// value is out of range. p = 0 (a negative M) gives 0 for every value.
double tie_key_(float v, int32_t p);

// Tie groups of the ascending z[0..n-1]: u[l] is the first value of group l+1,
// cum[0] = 0 and cum[l+1] the count up to and including group l+1. Returns the
// number of groups L (0 when n <= 0); cum[L] = n.
int32_t tie_groups_(const float* z, int32_t n, int32_t p, float* u, int32_t* cum);

// The 14 grid points zmin + t(zmax - zmin)/10, t = -2 .. 11.
void grid_(float zmin, float zmax, float t[14]);

// The fitted normal distribution function at x: 1 - Q((x - mu)/sigma).
float fitted_(float x, float mu, float sigma);

}  // namespace cdfplot

#endif  // CDFPLOT_ROUTINES_H
