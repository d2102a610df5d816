// State of the numeric integration library for one run: the quadrature's
// node and weight tables, built on its first call, and the level and unit of
// the condition messages with the sink they go to. Make one per run; nothing
// in the library is kept anywhere else. Condition messages reach the outside
// world only through a MessageSink.
#ifndef NUMLIB_LIBRARY_H
#define NUMLIB_LIBRARY_H

#include <cstdint>
#include <string_view>

namespace numlib {

// Length of the node and weight tables of the quadrature (finest grid).
constexpr int32_t kTableLength = 352;
// Nodes of the finest grid: both sides and the origin.
constexpr int32_t kTotalNodes = 2 * kTableLength + 1;

// Receives the library's output lines (bytes without the line end) together
// with the unit number they were written to.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void line(int32_t unit, std::string_view bytes) = 0;
};

struct Library {
  // Tables of integrate_real_line, built on its first call of the run.
  bool tables_built = false;
  double t_end = 0.0;                     // end of the t-range of the nodes
  int32_t newton_steps = 0;               // Newton steps taken to find t_end
  double nodes[kTableLength + 1] = {};    // nodes[i] = sinh(1.5 sinh t_i), i = 1..352
  double weights[kTableLength + 1] = {};  // weights[i] = cosh t_i cosh(1.5 sinh t_i)

  // Condition messages.
  int32_t message_level = -1;   // negative: no condition messages
  int32_t message_unit = 6;     // unit of the messages; 6 is standard output
  MessageSink* sink = nullptr;  // nowhere when null
};

}  // namespace numlib

#endif  // NUMLIB_LIBRARY_H
