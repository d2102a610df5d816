// The uniform generator x <- 48828125 x mod 2^31 (48828125 = 5^11),
// u = x / 2^31 rounded to single precision (so u is never 0 and is exactly 1.0
// when x >= 2^31 - 64), and the partial random permutation it drives.
// Each generator object is one state per run, started from its seed on the
// first draw: UniformGenerator (seed 1077) and NonzeroUniformGenerator (seed
// 16087, 0.0/1.0 replaced), both built on GeneratorState.
#ifndef COMMON_UNIFORM_GENERATOR_H
#define COMMON_UNIFORM_GENERATOR_H

#include <cstdint>

namespace common {

constexpr uint32_t kUniformSeed = 1077u;          // permutations and randomized decisions
constexpr uint32_t kNonzeroUniformSeed = 16087u;  // normal deviates of the trend simulation

// Steps x once (low 31 bits of 48828125 x) and returns x / 2^31 in single.
float next_uniform(uint32_t& x);

// What both generators keep: the state x, and whether the first draw has set
// it to the generator's seed.
class GeneratorState {
 public:
  // x as the last draw left it; 0 before the first draw.
  uint32_t state() const { return x_; }

 protected:
  explicit GeneratorState(uint32_t seed) : seed_(seed) {}
  // The state the next draw steps from: the seed before the first draw.
  uint32_t& started_state() {
    if (!started_) {
      x_ = seed_;
      started_ = true;
    }
    return x_;
  }
  // A Generator already started, whose next draw steps from state x (tests).
  template <typename Generator>
  static Generator started_at(uint32_t x) {
    Generator generator;
    GeneratorState& state = generator;
    state.x_ = x;
    state.started_ = true;
    return generator;
  }

 private:
  uint32_t seed_;
  uint32_t x_ = 0;
  bool started_ = false;
};

// The first generator: permutations and randomized decisions.
class UniformGenerator : public GeneratorState {
 public:
  UniformGenerator() : GeneratorState(kUniformSeed) {}
  // A generator already started, whose next draw steps from state x (tests).
  static UniformGenerator at_state(uint32_t x) { return started_at<UniformGenerator>(x); }
  float next();
  // partial_shuffle(r, n, u, m) with u[0..m-1] the next m draws, as m calls of
  // next give them, without storing the draws; the same m <= n contract.
  bool shuffle(float* r, int32_t n, int32_t m);
};

// The second generator: a draw of exactly 0.0 or 1.0 is replaced, once and
// without a further test, by the next value of the same state.
class NonzeroUniformGenerator : public GeneratorState {
 public:
  NonzeroUniformGenerator() : GeneratorState(kNonzeroUniformSeed) {}
  static NonzeroUniformGenerator at_state(uint32_t x) {
    return started_at<NonzeroUniformGenerator>(x);
  }
  float next();
};

// Partial Fisher-Yates shuffle from the end: for t = 1..m, with q = n - t + 1,
// j = trunc(q * u[t-1]) + 1 (j = q + 1, reached only when u = 1.0, becomes 1),
// then r[j-1] and r[q-1] are exchanged. The values are only moved. m <= 0 does
// nothing; the caller must keep m <= n (returns false and does nothing if not).
bool partial_shuffle(float* r, int32_t n, const float* u, int32_t m);

}  // namespace common

#endif  // COMMON_UNIFORM_GENERATOR_H
