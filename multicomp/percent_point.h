// The upper alpha point of the largest standardised difference among K
// normal groups (asymptotic distribution of the pairwise rank sums): the root
// of  integral of finta_ over the real line = 1 - alpha,  found by bisection
// with the double-exponential quadrature, rounded to three decimals.
// K <= 0 gives 200.000 (the equation never reaches 0), K = 1 gives 0.000.
#ifndef MULTICOMP_PERCENT_POINT_H
#define MULTICOMP_PERCENT_POINT_H

#include "multicomp/state.h"

namespace multicomp {

// Sets the tolerance and the weights and returns the percent point in c.
void asdista_(State& st, double& c);

// Left side of the equation at x: the integral minus (1 - alpha).
double eqa_(State& st, const double& x);

// Integrand at z for the trial point and weights of the state:
// sum_i phi(z) prod_{j != i} [Phi(z t_ij) - Phi(z t_ij - x w_ij)],
// t_ij = sqrt(l_j / l_i), w_ij = sqrt((l_i + l_j) / l_i).
double finta_(const State& st, const double& z);

}  // namespace multicomp

#endif  // MULTICOMP_PERCENT_POINT_H
