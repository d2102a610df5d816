// The randomized decision at the level alpha and its report lines. With
// p_at_least = Pr(T >= t) and p_above = Pr(T > t), t the observed value of the
// statistic T: reject when p_at_least <= alpha; when p_above < p_at_least and
// p_above < alpha, draw u and reject when
// u <= (alpha - p_above) / (p_at_least - p_above); otherwise do not reject.
// Every comparison with a NaN is false (a NaN P value ends in acceptance, with
// no draw). Also the P-value line: one value when p_at_least == p_above, else
// "p_above から p_at_least".
#ifndef COMMON_DECISION_H
#define COMMON_DECISION_H

#include <string_view>

#include "common/uniform_generator.h"
#include "console/console.h"

namespace common {

// Texts of the homogeneity test (UTF-8, written as code page 932).
extern const char* const kRejectHomogeneity;  // " 一様性の帰無仮説は棄却された. "
extern const char* const kAcceptHomogeneity;  // " 一様性の帰無仮説は棄却されなかった. "

// The level line ("  有意水準 ",F10.5," パ－セントで, ") with alpha * 100
// formed in double and rounded to single.
void write_level_line(con::Console& c, float alpha);

// The outcome of one test at the level: rejected or not, and whether a
// uniform draw decided it.
struct Decision {
  bool randomized = false;
  bool rejected = false;
};

// Decides; draws one value from gen only when the decision is randomized.
Decision randomized_decision(float p_at_least, float p_above, float alpha, UniformGenerator& gen);

// The lines of a decision: the randomization line when a draw decided it, the
// level line, then reject or accept (UTF-8 texts written free-form).
void write_decision(con::Console& c, const Decision& decision, float alpha, std::string_view reject,
                    std::string_view accept);

// The P-value line (head,F8.5," です.") or (head,F8.5," から",F8.5," です."),
// the second with p_above first; head is UTF-8 (" P 値は " for the trend test).
// With blank_after an empty line follows.
void write_p_value_line(con::Console& c, float p_at_least, float p_above, std::string_view head,
                        bool blank_after);

}  // namespace common

#endif  // COMMON_DECISION_H
