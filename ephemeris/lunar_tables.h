#pragma once

#include <cstdint>

// One row of the Moon's longitude series: multipliers of D, M, M' and F, and
// the amplitude in 1e-8 degree.
struct MoonTerm {
  std::int8_t d;
  std::int8_t m;
  std::int8_t m_prime;
  std::int8_t f;
  std::int32_t amplitude;
};

// One row of the true node's series: amplitude and phase in 1e-4 degree, and
// the coefficients of T squared (1e-7 degree), T cubed (1e-9) and T to the
// fourth (1e-11). The rate in degrees per century is in NodeRates.
struct NodeTerm {
  std::int32_t amplitude;
  std::int32_t phase;
  std::int32_t t2;
  std::int32_t t3;
  std::int32_t t4;
};

constexpr int moon_term_count = 60;
constexpr int node_term_count = 22;

extern const MoonTerm MoonTerms[moon_term_count];
extern const NodeTerm NodeTerms[node_term_count];
extern const double NodeRates[node_term_count];
