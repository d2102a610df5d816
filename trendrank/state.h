// The run state of trendrank (its static areas, made fresh for every run) and
// the routines that read and write it, by stage: dialogue, test, estimation,
// report. Arrays are 0-based: element [i] belongs to group i+1.
// Purely numeric routines (ireg_, gmin_, av_, rtstat_, rnorm_) take their
// inputs as arguments and neither print nor stop.
#ifndef TRENDRANK_STATE_H
#define TRENDRANK_STATE_H

#include <cstdint>

#include "common/group_data.h"
#include "common/uniform_generator.h"
#include "console/console.h"

namespace trendrank {

constexpr int kMaxSize = 100;    // observations in one group
constexpr int kMaxTotal = 1000;  // observations in all

struct State {
  common::GroupData
      grp;             // nsize (inp1_), xobs (inp2_), ngroup (inp3_), ntotal (inp4_), alpha (inp5_)
  float gmean = 0.0f;  // ansb_: the grand arithmetic mean

  // rte1_: strend, ttrend, sdev, tdev, pge and pgt of the trend statistic,
  // pge and pgt of the departure statistic.
  float rte1[8] = {};
  float rte2[common::kMaxGroups] = {};  // W: the group sizes as single values

  float rbar[common::kMaxGroups] = {};  // mean ranks (trnst_)
  float rfit[common::kMaxGroups] = {};  // their isotonic fit (trnst_)

  float res1[common::kMaxGroups] = {};      // THETA: raw effects
  float res3[common::kMaxGroups] = {};      // EFF: smoothed effects
  float res2[common::kMaxGroups + 1] = {};  // centre, then the location estimates

  common::UniformGenerator gen1;  // permutations, then the randomized decisions
  common::NonzeroUniformGenerator gen3;  // normal deviates of the simulation

  float zpool[kMaxTotal] = {};  // the pooled observations
  float rmid[kMaxTotal] = {};   // their mid-ranks (rearranged in place)
};

// Dialogue: fills grp and gmean, echoes the data; refuses empty or negative groups.
void input_(con::Console& c, State& st);

// Isotonic regression (non-decreasing, weighted) by minimum block averages.
double av_(int32_t i, int32_t j, const float* y, const float* w);
double gmin_(int32_t i, int32_t k, const float* y, const float* w);
void ireg_(int32_t k, const float* y, const float* w, float* fit);

// Trend statistics of one arrangement of ranks, and their normalisation.
void trnst_(State& st, const float* r, int32_t n, float& s1, float& s2);
void rtstat_(const float* r, int32_t n, float s1, float s2, float& t1, float& t2);

// Two standard normal deviates (Box-Muller) from two draws of the second generator.
void rnorm_(common::NonzeroUniformGenerator& gen, float& z1, float& z2);

// The test: statistics, their P values (simulation or randomization) into rte1.
void rtest_(State& st);

// Estimates: raw and smoothed effects with a trace line per group, the centre,
// and the location estimates.
void rest1_(con::Console& c, State& st);
void rest_(con::Console& c, State& st);

// The report.
void kekka_(con::Console& c, State& st);

}  // namespace trendrank

#endif  // TRENDRANK_STATE_H
