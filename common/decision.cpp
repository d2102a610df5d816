// Randomized decision between two P values. The fraction h is formed in double
// from the single values and kept unrounded; u is the next value of the given
// generator. Conditions are written exactly as the rule reads (pge <= alpha,
// then pgt < pge && pgt < alpha, then u <= h) so that NaNs take the same
// branches; the report lines go through the console layer.
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

Decision randomized_decision(float pge, float pgt, float alpha, UniformGenerator& gen) {
  Decision d;
  if (pge <= alpha) {
    d.rejected = true;
  } else if (pgt < pge && pgt < alpha) {
    const double h = (static_cast<double>(alpha) - static_cast<double>(pgt)) /
                     (static_cast<double>(pge) - static_cast<double>(pgt));
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

void write_p_value_line(con::Console& c, float pge, float pgt, std::string_view head,
                        bool blank_after) {
  con::Record r;
  r.text(con::to_cp932(head));
  if (pge == pgt) {
    r.f(static_cast<double>(pge), 8, 5).text(con::to_cp932(" です."));
  } else {
    r.f(static_cast<double>(pgt), 8, 5)
        .text(con::to_cp932(" から"))
        .f(static_cast<double>(pge), 8, 5)
        .text(con::to_cp932(" です."));
  }
  c.put_line(r);
  if (blank_after) c.put_line("");
}

}  // namespace common
