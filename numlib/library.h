// State of the numeric integration library for one run: the quadrature's
// first-call tables and the working values of its current call, and the
// message level and unit of the condition lines with the sink they go to.
// Make one per run; nothing in the library is kept anywhere else.
// Condition lines reach the outside world only through a MessageSink.
#ifndef NUMLIB_LIBRARY_H
#define NUMLIB_LIBRARY_H

#include <cstdint>
#include <string_view>

namespace numlib {

// Length of the node and weight tables of the quadrature (finest grid).
constexpr int32_t kTableLength = 352;

// Receives the library's output lines (bytes without the line end) together
// with the unit number they were written to.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void line(int32_t unit, std::string_view bytes) = 0;
};

struct Library {
  // First-call tables of integrate_real_line (built once per run, on the first call).
  int32_t first = 0;                // 1 once the tables exist
  double epsm = 0.0;                // machine epsilon as the library states it
  double tiny = 0.0;                // epsm * 1e-30
  double big = 0.0;                 // largest double * 1e-10
  double tmax = 0.0;                // end of the t-range
  int32_t newton_steps = 0;         // Newton steps taken to find tmax
  double x[kTableLength + 1] = {};  // x[i] = sinh(1.5 sinh t_i), i = 1..352
  double w[kTableLength + 1] = {};  // w[i] = cosh t_i cosh(1.5 sinh t_i)
  int32_t ntab = 0;                 // table length, 352
  int32_t nall = 0;                 // total node count, 705

  // Working values of one call, reset by every call.
  double cell = 0.0;                // the abscissa handed to the integrand
  double epsa1 = 0.0, epsr1 = 0.0;  // working tolerances
  double tl = 0.0, tr = 0.0;        // last left and right terms of level 0
  double p = 0.0, q = 0.0;          // accuracy exponent and its reciprocal

  // Condition messages.
  int32_t msglevel = -1;        // negative: no condition lines
  int32_t msgunit = 6;          // unit of the lines; 6 is standard output
  MessageSink* sink = nullptr;  // nowhere when null
};

}  // namespace numlib

#endif  // NUMLIB_LIBRARY_H
