// Integral of f over the whole real line by the double-exponential rule
// (x = sinh(1.5 sinh t), trapezoidal rule in t, step halved up to five times),
// with an error estimate, the evaluation count and a condition code, which
// goes to the condition-message routine at the end of every call. Bad
// arguments (a negative tolerance, NMIN < 0 or > NMAX) give 30000, S/ERR/N kept.
#ifndef NUMLIB_REAL_LINE_QUADRATURE_H
#define NUMLIB_REAL_LINE_QUADRATURE_H

#include <cstdint>
#include <functional>

#include "numlib/library.h"

namespace numlib {

// The integrand: receives the library's abscissa cell.
using Integrand = std::function<double(const double&)>;

void integrate_real_line(Library& lib, const Integrand& f, const double& epsa, const double& epsr,
                         const int32_t& nmin, const int32_t& nmax, double& s, double& err,
                         int32_t& n, int32_t& icon);

}  // namespace numlib

#endif  // NUMLIB_REAL_LINE_QUADRATURE_H
