// Upper tails Q(x) = Pr(Y > x) of the seven reference laws, each on its
// standard scale: normal, contaminated normal, logistic, double exponential,
// the two outlier mixtures and the exponential shifted to mean 0.
// Argument and result single precision; intermediates in double with the
// single roundings of each routine. A NaN argument gives a NaN.
#ifndef DISTSEARCH_TAILS_H
#define DISTSEARCH_TAILS_H

#include "common/normal_tail.h"

namespace distsearch {

// The normal upper tail, under the name this program uses for it.
inline void norm_(const float& x, float& q) { q = common::normal_upper_tail(x); }

void cnbunp_(const float& x, float& q);   // 0.95 N(0,1) + 0.05 N(0,9), unit variance
void lgbunp_(const float& x, float& q);   // logistic of scale sqrt(3)/pi
void logis_(const float& u, float& q);    // logistic of scale 1
void debunp_(const float& x, float& q);   // Laplace of scale 1/sqrt(2)
void dex_(const float& u, float& q);      // Laplace of scale 1
void cobunp1_(const float& x, float& q);  // normal mixture, step at +2.5942581
void cobunp2_(const float& x, float& q);  // normal mixture, step at -2.5942581
void exbunp_(const float& x, float& q);   // standard exponential minus 1

// exp in double; an infinite argument gives the NaN of an invalid operation,
// as 2 to the power v*log2(e) does when split into whole and fraction parts.
double exp_(double v);

}  // namespace distsearch

#endif  // DISTSEARCH_TAILS_H
