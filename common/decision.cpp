// Randomized decision between two P values. The fraction h is formed in double
// from the single values and kept unrounded; u is the next value of the given
// generator. The conditions are written in the order of the randomized
// decision rule (reject when p_at_least <= alpha; else, when
// p_above < p_at_least && p_above < alpha, draw u and reject when u <= h) so
// that NaNs take the same branches; the report lines go through the console
// layer.
#include "common/decision.h"

#include <string>

#include "console/cp932.h"
#include "console/format.h"

namespace common {

const char* const kRejectHomogeneity = " 一様性の帰無仮説は棄却された. ";
const char* const kAcceptHomogeneity = " 一様性の帰無仮説は棄却されなかった. ";

void write_level_line(con::Console& c, float alpha) {
  const float percent = static_cast<float>(static_cast<double>(alpha) * 100.0);
  c.put_line(con::Record()
                 .text(con::to_cp932("  有意水準 "))
                 .f(static_cast<double>(percent), 10, 5)
                 .text(con::to_cp932(" パ－セントで, ")));
}

Decision randomized_decision(float p_at_least, float p_above, float alpha, UniformGenerator& gen) {
  Decision d;
  if (p_at_least <= alpha) {
    d.rejected = true;
  } else if (p_above < p_at_least && p_above < alpha) {
    const double h = (static_cast<double>(alpha) - static_cast<double>(p_above)) /
                     (static_cast<double>(p_at_least) - static_cast<double>(p_above));
    const float u = gen.next();
    d.randomized = true;
    d.rejected = static_cast<double>(u) <= h;
  }
  return d;
}

void write_decision(con::Console& c, const Decision& decision, float alpha, std::string_view reject,
                    std::string_view accept) {
  if (decision.randomized) c.write({con::to_cp932(" ランザミザ－ション検定によって ")});
  write_level_line(c, alpha);
  c.write({con::to_cp932(decision.rejected ? reject : accept)});
}

void write_p_value_line(con::Console& c, float p_at_least, float p_above, std::string_view head,
                        bool blank_after) {
  con::Record r;
  r.text(con::to_cp932(head));
  if (p_at_least == p_above) {
    r.f(static_cast<double>(p_at_least), 8, 5).text(con::to_cp932(" です."));
  } else {
    r.f(static_cast<double>(p_above), 8, 5)
        .text(con::to_cp932(" から"))
        .f(static_cast<double>(p_at_least), 8, 5)
        .text(con::to_cp932(" です."));
  }
  c.put_line(r);
  if (blank_after) c.put_line("");
}

}  // namespace common
