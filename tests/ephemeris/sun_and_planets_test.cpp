#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/planet_aberration.h"
#include "ephemeris/planet_series.h"

// The Sun's and the planets' longitudes at J2000 and on 1 January 2025 are
// checked through body_positions, which fills the chart's slots with them.
namespace {

TEST(CosineSeriesSum, ScalesEachStoredUnit) {
  const SeriesTerm rows[] = {{100000000, 0, 0}, {50000000, 0, 1000}};
  EXPECT_DOUBLE_EQ(cosine_series_sum(rows, 1, 0.3), 1.0);
  // Frequency 1000 is 1 radian per millennium.
  EXPECT_DOUBLE_EQ(cosine_series_sum(rows, 2, 0.25), 0.5 * std::cos(0.25) + 1.0);
  const SeriesTerm phased[] = {{100000000, 314159265, 0}};
  EXPECT_NEAR(cosine_series_sum(phased, 1, 0.0), -1.0, 1e-15);
  EXPECT_EQ(cosine_series_sum(rows, 0, 0.3), 0.0);
}

// Every body has all nine tables, so only this set shows the rule: an absent
// table takes no constant, yet the power of tau still advances past it.
TEST(HeliocentricCoordinates, AbsentTablesTakeNoConstant) {
  const SeriesTerm one[] = {{100000000, 0, 0}};
  BodySeriesSet set = {};
  set.tables[1] = {one, 1};  // L1
  set.tables[8] = {one, 1};  // R2
  set.constants[0] = 2.0;
  set.constants[1] = 3.0;
  const HeliocentricCoordinates c = heliocentric_coordinates(0.5, set);
  EXPECT_DOUBLE_EQ(c.l, (1.0 + 2.0) * 0.05);
  EXPECT_EQ(c.b, 0.0);
  EXPECT_DOUBLE_EQ(c.r, (1.0 + 3.0) * 0.05 * 0.05);
}

// The aberration rows weighted by body and term number, against the same sums
// of the printed rows: a changed, lost or swapped value shows.
TEST(Aberration, RowsAsPrinted) {
  const PlanetAberration* const rows[] = {&SunAberration,     &MercuryAberration,
                                          &VenusAberration,   &MarsAberration,
                                          &JupiterAberration, &SaturnAberration};
  double sums[5] = {};
  for (int p = 1; p <= 6; ++p) {
    sums[0] += p * rows[p - 1]->constant;
    sums[1] += p * rows[p - 1]->term_count;
    for (int k = 1; k <= rows[p - 1]->term_count; ++k) {
      const AberrationTerm& term = rows[p - 1]->terms[k - 1];
      sums[2] += p * k * term.amplitude;
      sums[3] += p * k * term.frequency;
      sums[4] += p * k * term.phase;
    }
  }
  const double expected[5] = {-16508.0, 72.0, 32967.0, 15822620.096, 430.843};
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(sums[i], expected[i], 1e-6) << i;
}

}  // namespace
