// The distsearch run, once, on one State made fresh for it: the dialogue; the
// group means and the pooled residuals; their mean absolute value (in pooling
// order); the residuals sorted; a scale fitted to each law and the distance to
// it; the closest law; the report.
#include "distsearch/distsearch.h"

#include <algorithm>
#include <memory>

#include "common/residuals.h"
#include "common/sort.h"
#include "distsearch/state.h"

namespace distsearch {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto fresh_state = std::make_unique<State>();
    State& st = *fresh_state;
    read_input(c, st);

    common::group_means(st.data, st.group_mean);
    st.residual_count = common::pooled_residuals(st.data, st.group_mean, st.residuals);
    const int32_t n = st.residual_count;
    st.mean_absolute_residual = mean_absolute_residual(st.residuals, n);
    std::copy(st.residuals, st.residuals + n, st.sorted_residuals);
    common::sort_ascending(st.sorted_residuals, n);

    fit_law_scales(st.mean_absolute_residual, st.scale);
    for (int law = 0; law < kLawCount; ++law) {
      st.distance[law] =
          distance_to_law(static_cast<Law>(law), st.sorted_residuals, n, st.scale[law]);
    }
    st.closest = closest_law(st.distance);

    write_report(c, st);
  });
}

}  // namespace distsearch
