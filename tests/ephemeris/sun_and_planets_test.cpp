#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/planet_aberration.h"
#include "ephemeris/planet_longitude.h"
#include "ephemeris/planet_series.h"
#include "ephemeris/time_and_calendar.h"
#include "ephemeris/vsop87d_tables.h"

namespace {

// 1 January 2025, 0:00 universal time.
constexpr double t_2025 = 0.2500068446269678;

// Tolerance for longitudes given to 0.001 degree.
constexpr double to_a_thousandth = 0.0005;

TEST(CosineSeriesSum, ScalesEachStoredUnit) {
  const SeriesTerm rows[] = {{100000000, 0, 0}, {50000000, 0, 1000}};
  EXPECT_DOUBLE_EQ(cosine_series_sum(rows, 1, 0.3), 1.0);
  // Frequency 1000 is 1 radian per millennium.
  EXPECT_DOUBLE_EQ(cosine_series_sum(rows, 2, 0.25), 0.5 * std::cos(0.25) + 1.0);
  const SeriesTerm phased[] = {{100000000, 314159265, 0}};
  EXPECT_NEAR(cosine_series_sum(phased, 1, 0.0), -1.0, 1e-15);
  EXPECT_EQ(cosine_series_sum(rows, 0, 0.3), 0.0);
}

// Longer than any table in use: every row still counts, in order.
TEST(CosineSeriesSum, LongTablesSumEveryRowInOrder) {
  SeriesTerm rows[130];
  for (int i = 0; i < 130; ++i) {
    rows[i] = {1000 + 7 * i, 3000000 * i, 100 + 901 * i};
  }
  const double tau = 0.0250000684;
  double expected = 0.0;
  for (const SeriesTerm& row : rows) {
    expected = (row.amplitude * 1e-8) *
                   std::cos((row.frequency * 0.001) * tau + row.phase * 1e-8) +
               expected;
  }
  EXPECT_EQ(cosine_series_sum(rows, 130, tau), expected);
  EXPECT_NE(cosine_series_sum(rows, 129, tau), expected);
}

TEST(HeliocentricCoordinates, AbsentTablesTakeNoConstant) {
  const SeriesTerm one[] = {{100000000, 0, 0}};
  BodySeriesSet set = {};
  // Only L1 and R2 present: they take the first two constants.
  set.tables[1] = {one, 1};
  set.tables[8] = {one, 1};
  set.constants[0] = 2.0;
  set.constants[1] = 3.0;
  const double t = 0.5;
  const double tau = t / 10.0;
  const HeliocentricCoordinates c = heliocentric_coordinates(t, set);
  EXPECT_DOUBLE_EQ(c.l, (1.0 + 2.0) * tau);
  EXPECT_EQ(c.b, 0.0);
  EXPECT_DOUBLE_EQ(c.r, (1.0 + 3.0) * tau * tau);
}

TEST(HeliocentricCoordinates, EarthAtJ2000) {
  const HeliocentricCoordinates earth = heliocentric_coordinates(0.0, EarthSeries);
  // About 100.4 degrees, near perihelion (0.983 au), almost on the ecliptic.
  EXPECT_NEAR(std::fmod(earth.l, two_pi) * radians_to_degrees, 100.38, 0.01);
  EXPECT_NEAR(earth.r, 0.9833, 0.0001);
  EXPECT_LT(std::fabs(earth.b), 1e-5);
}

TEST(GeocentricLongitude, WithinOneTurn) {
  const HeliocentricCoordinates planet = {0.0, 0.0, 2.0};
  const HeliocentricCoordinates earth = {pi / 2.0, 0.0, 1.0};
  // Seen from the Earth the planet lies below the x axis: the angle gains a turn.
  const double lambda = geocentric_longitude(planet, earth);
  EXPECT_NEAR(lambda, std::atan2(-1.0, 2.0) + two_pi, 1e-12);
  EXPECT_GE(lambda, 0.0);
  EXPECT_LT(lambda, two_pi);
  const HeliocentricCoordinates above = {pi / 2.0, 0.0, 2.0};
  const HeliocentricCoordinates behind = {pi, 0.0, 1.0};
  EXPECT_NEAR(geocentric_longitude(above, behind), std::atan2(2.0, 1.0), 1e-12);
}

TEST(Aberration, SunAtJ2000) {
  EXPECT_DOUBLE_EQ(aberration_in_longitude(SunAberration, 0.0),
                   (17.0 * std::cos(3.1) + -993.0) * 1e-7);
}

TEST(Aberration, TermsAtJ2000) {
  EXPECT_DOUBLE_EQ(aberration_in_longitude(JupiterAberration, 0.0),
                   (-527.0 + (978.0 * std::cos(1.154) + 89.0 * std::cos(2.3) +
                              46.0 * std::cos(4.64) + 45.0 * std::cos(0.76))) *
                       1e-7);
}

struct Moment {
  HeliocentricCoordinates earth;
  double delta_psi;
};

Moment moment(double t) {
  return {heliocentric_coordinates(t, EarthSeries), nutation_in_longitude(t)};
}

double planet_at(double t, const BodySeriesSet& set, const PlanetAberration& aberration) {
  const Moment m = moment(t);
  return planet_longitude(t, set, aberration, m.earth, m.delta_psi);
}

TEST(SunAndPlanets, AtJ2000) {
  const Moment m = moment(0.0);
  EXPECT_NEAR(sun_longitude(0.0, m.earth, m.delta_psi), 280.368, to_a_thousandth);
  EXPECT_NEAR(planet_at(0.0, MercurySeries, MercuryAberration), 271.888, to_a_thousandth);
  EXPECT_NEAR(planet_at(0.0, VenusSeries, VenusAberration), 241.565, to_a_thousandth);
  EXPECT_NEAR(planet_at(0.0, MarsSeries, MarsAberration), 327.963, to_a_thousandth);
  EXPECT_NEAR(planet_at(0.0, JupiterSeries, JupiterAberration), 25.254, to_a_thousandth);
  EXPECT_NEAR(planet_at(0.0, SaturnSeries, SaturnAberration), 40.395, to_a_thousandth);
}

TEST(SunAndPlanets, OnTheFirstOf2025) {
  EXPECT_NEAR(planet_at(t_2025, MarsSeries, MarsAberration), 121.917, to_a_thousandth);
  EXPECT_NEAR(planet_at(t_2025, JupiterSeries, JupiterAberration), 73.215,
              to_a_thousandth);
}

TEST(SunAndPlanets, SunIsTheEarthTurnedHalfWay) {
  for (double t = -4.0; t <= 4.0; t += 0.37) {
    const Moment m = moment(t);
    const double sun = sun_longitude(t, m.earth, 0.0);
    EXPECT_GE(sun, 0.0);
    EXPECT_LT(sun, 360.0);
    double earth = std::fmod(m.earth.l, two_pi) * radians_to_degrees;
    if (earth < 0.0) earth += 360.0;
    const double turned = std::fmod(earth + 180.0, 360.0);
    // Only the aberration (about 20 arc-seconds) separates them.
    double gap = std::fabs(sun - turned);
    if (gap > 180.0) gap = 360.0 - gap;
    EXPECT_NEAR(gap, 0.0057, 0.0005) << t;
  }
}

}  // namespace
