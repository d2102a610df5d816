// Box statistics of one group and the x positions of its drawing.
#ifndef BOXPLOT_HAKOZU_H
#define BOXPLOT_HAKOZU_H

#include <cstdint>

namespace boxplot {

// Quantile of the sorted x[0..n-1] at position (n+1)p, p a single constant.
float quantile_(const float* x, int32_t n, float p);

// Sorts x[0..n-1] ascending in place and sets the minimum, the maximum and the
// three quartiles. n >= 1.
void hakozu_(float* x, const int32_t& n, float& xmin, float& xmax, float& q1, float& q2, float& q3);

// x positions of group g's drawing, each rounded to single precision.
struct BoxPositions {
  float g = 0.0f;  // the whiskers
  float a = 0.0f;  // left box edge
  float b = 0.0f;  // right box edge
  float c = 0.0f;  // right cap end
  float d = 0.0f;  // left cap end
};

BoxPositions positions_(int32_t group);

}  // namespace boxplot

#endif  // BOXPLOT_HAKOZU_H
