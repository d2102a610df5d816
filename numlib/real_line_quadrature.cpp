// Double-exponential quadrature over (-inf, inf): level 0 at
// eleven node pairs with tail truncation against a running maximum, then up to
// five halvings tested for convergence, stalling and the rounding level, with
// tolerances raised to an accuracy exponent p and the error estimate to 1/p.
// The node and weight tables are built on the first call of a run.
#include "numlib/real_line_quadrature.h"

#include <cmath>
#include <cstdint>

#include "numlib/machine.h"
#include "numlib/messages.h"

namespace numlib {
namespace {

// Larger / smaller of two values; the first is kept unless the second
// compares strictly beyond it.
double dmax(double a, double b) { return b > a ? b : a; }
double dmin(double a, double b) { return b < a ? b : a; }

constexpr ClassCode kCode = {{'G', '2', ' ', ' '}, {'3', '-', ' ', ' '}, {'3', '1', ' ', ' '},
                             {'-', '0', ' ', ' '}, {'1', '0', ' ', ' '}, {'1', ' ', ' ', ' '}};

constexpr double kStep352 = 0.002840909090909091;  // 1/352
constexpr double kStep11 = 0.09090909090909091;    // 1/11
constexpr int kNewtonCap = 100;  // the solve takes three steps; the cap only bounds it

void build_tables(Library& lib) {
  lib.epsm = unit_roundoff(lib.epsm);
  lib.tiny = lib.epsm * 1.0e-30;
  lib.big = largest_double(lib.epsm) * 1.0e-10;
  const double sq = std::sqrt(lib.epsm);
  // tmax solves 0.75 e^t + t = ln(big) - ln(0.375) (Newton's method).
  const double hbig = std::log(lib.big) - std::log(0.375);
  double t = std::log(hbig * 1.3333333333333333);
  lib.newton_steps = 0;
  for (int step = 0; step < kNewtonCap; ++step) {
    const double e = std::exp(t);
    const double g = 0.75 * e + t - hbig;
    const double gp = 0.75 * e + 1.0;
    const double delta = g / gp;
    t = t - delta;
    ++lib.newton_steps;
    if (std::fabs(delta) <= sq * t) break;
  }
  lib.tmax = t;
  const double hmin = lib.tmax * kStep352;
  double c = 1.0;
  for (int32_t i = 1; i <= kTableLength; ++i, c += 1.0) {
    const double ti = c * hmin;
    const double u = 1.5 * std::sinh(ti);
    lib.x[i] = std::sinh(u);
    lib.w[i] = std::cosh(u) * std::cosh(ti);
  }
  lib.ntab = kTableLength;
  lib.nall = 2 * kTableLength + 1;
  lib.first = 1;
}

// One level-0 term on one side: evaluates, adds to the node sum, updates the
// shared maximum and the side's small-term counter and truncation index.
void level0_term(Library& lib, const Integrand& f, int32_t j, double sign, int32_t& n,
                 double& sigma, double& m, double& last, int32_t& count, int32_t& trunc) {
  lib.cell = sign * lib.x[j];
  const double term = f(lib.cell) * lib.w[j];
  n = n + 1;
  sigma = sigma + term;
  last = std::fabs(term);
  m = dmax(m, last);
  const double c = dmin(dmax(dmax(lib.epsa1, lib.epsr1 * m), lib.epsm * m), 1.0e-4 * m);
  if (last <= c) {
    count = count + 1;
    if (count >= 2) trunc = j - 32;
  } else {
    count = 0;
  }
}

}  // namespace

void integrate_real_line(Library& lib, const Integrand& f, const double& epsa, const double& epsr,
                         const int32_t& nmin, const int32_t& nmax, double& s, double& err,
                         int32_t& n, int32_t& icon) {
  if (lib.first == 0) build_tables(lib);

  icon = 30000;
  if (epsa < 0.0 || epsr < 0.0 || nmin > nmax || nmin < 0) {
    write_condition_message(lib, icon, kCode);
    return;
  }

  // Level 0: f(0) and node pairs at index step 32, truncating each side after
  // two successive small terms.
  const double h0 = lib.tmax * kStep11;
  n = 0;
  lib.cell = 0.0;
  icon = 0;
  const double y0 = f(lib.cell);
  n = 1;
  double sigma = y0;
  double m = std::fabs(y0);
  lib.epsa1 = epsa;
  lib.epsr1 = epsr;
  lib.tl = 0.0;
  lib.tr = 0.0;
  int32_t v = 0, cl = 0, u = 0, cr = 0;
  for (int32_t j = 32; j <= kTableLength; j += 32) {
    if (v > 0 && u > 0) break;
    if (v == 0) level0_term(lib, f, j, -1.0, n, sigma, m, lib.tl, cl, v);
    if (u == 0) level0_term(lib, f, j, 1.0, n, sigma, m, lib.tr, cr, u);
  }
  if (v == 0) v = kTableLength;
  if (u == 0) u = kTableLength;
  if (cl == 0) {
    icon = icon + 1000;
    lib.epsa1 = lib.tl;
    lib.epsr1 = lib.tl;
    if (std::fabs(sigma) > lib.tiny) lib.epsr1 = lib.tl / std::fabs(sigma);
  }
  if (cr == 0) {
    icon = icon + 2000;
    lib.epsa1 = dmax(lib.tr, lib.epsa1);
    lib.epsr1 = lib.epsa1;
    if (std::fabs(sigma) > lib.tiny) lib.epsr1 = lib.epsa1 / std::fabs(sigma);
  }
  const double s0 = sigma * h0 * 1.5;

  // Accuracy exponent.
  double r1 = lib.epsa1;
  if (std::fabs(s0) > lib.tiny) r1 = lib.epsa1 / std::fabs(s0);
  const double r = dmax(r1, lib.epsr1);
  if (r >= 1.0e-4) {
    lib.p = 1.0;
  } else if (r >= 1.0e-5) {
    lib.p = 0.9;
  } else if (r >= 1.0e-10) {
    lib.p = 0.8;
  } else {
    lib.p = 0.75;
  }
  lib.q = 1.0 / lib.p;
  const double epsp = std::pow(lib.epsm, 0.75);
  lib.epsa1 = std::pow(lib.epsa1, lib.p);
  lib.epsr1 = std::pow(lib.epsr1, lib.p);

  // Halvings.
  const int32_t hx = u > v ? u : v;
  int32_t step = 32;
  double h = h0;
  double sold = s0;
  double snew = s0;
  double prev_err = 0.0;
  int32_t level = 1, k = 0, left = 5;
  bool raise = true;  // whether the final error estimate is raised to q
  for (;;) {
    const int32_t half = step / 2;
    double sig = 0.0;
    for (int32_t j = half; j <= hx; j += step) {
      if (j <= v) {
        lib.cell = -lib.x[j];
        sig = sig + f(lib.cell) * lib.w[j];
        n = n + 1;
      }
      if (j <= u) {
        lib.cell = lib.x[j];
        sig = sig + f(lib.cell) * lib.w[j];
        n = n + 1;
      }
    }
    snew = (sold + 1.5 * h * sig) * 0.5;
    err = std::fabs(sold - snew);
    if (n >= nmin) {
      if (err <= dmax(lib.epsr1 * std::fabs(snew), lib.epsa1)) {
        if (icon != 0) {
          icon = icon + 10000;
        } else if (epsa + epsr == 0.0) {
          icon = 10000;
        }
        break;
      }
      if (level >= 2) {
        if (err >= prev_err) {
          k = k + 1;
          if (k >= 2 && level >= 3) {
            icon = icon + 10000;
            err = prev_err;
            break;
          }
        } else if (err < prev_err) {
          k = 0;
        }
      }
      if (err < epsp * std::fabs(snew)) {
        icon = icon + 10000;
        err = std::pow(epsp * std::fabs(snew), lib.q);
        raise = false;
        break;
      }
    }
    if (2 * n - 1 > nmax) {
      icon = icon + 20000;
      break;
    }
    sold = snew;
    prev_err = err;
    h = h * 0.5;
    step = half;
    level = level + 1;
    left = left - 1;
    if (left == 0) {
      if (2 * n - 1 <= lib.nall) icon = icon + 5000;
      icon = icon + 20000;
      break;
    }
  }

  if (raise && err > lib.tiny) err = std::pow(err, lib.q);
  s = snew;
  err = dmax(err, lib.epsm * std::fabs(snew));
  write_condition_message(lib, icon, kCode);
}

}  // namespace numlib
