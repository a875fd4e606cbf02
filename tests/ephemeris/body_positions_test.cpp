#include "ephemeris/body_positions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/moon_and_node.h"
#include "ephemeris/time_and_calendar.h"

namespace {

constexpr double t_2025 = 0.2500068446269678;
constexpr double one_hour = 1.1407711613050422e-6;
constexpr double to_four_decimals = 0.00005;
constexpr double to_a_thousandth = 0.0005;
constexpr double untouched = -12345.5;

// T of a civil date and universal time, as the chart computes it.
double moment(int month, int day, int year, double ut_hours) {
  const double julian_day = julian_day_number(month, day, year) + ut_hours / 24.0;
  return (julian_day - 0.5 - 2451545.0) / 36525.0;
}

struct Positions {
  double longitudes[body_count];
  double motions[body_count];
};

Positions positions_at(double t) {
  Positions p;
  for (int i = 0; i < body_count; ++i) {
    p.longitudes[i] = untouched;
    p.motions[i] = untouched;
  }
  body_positions(t, p.longitudes, p.motions);
  return p;
}

TEST(BodyPositions, LongitudesAtJ2000) {
  const Positions p = positions_at(0.0);
  EXPECT_NEAR(p.longitudes[sun_body], 280.368, to_a_thousandth);
  EXPECT_NEAR(p.longitudes[moon_body], 223.315, to_a_thousandth);
  EXPECT_NEAR(p.longitudes[mars_body], 327.963, to_a_thousandth);
  EXPECT_NEAR(p.longitudes[mercury_body], 271.888, to_a_thousandth);
  EXPECT_NEAR(p.longitudes[jupiter_body], 25.254, to_a_thousandth);
  EXPECT_NEAR(p.longitudes[venus_body], 241.565, to_a_thousandth);
  EXPECT_NEAR(p.longitudes[saturn_body], 40.395, to_a_thousandth);
  EXPECT_NEAR(p.longitudes[rahu_body], 123.951, to_a_thousandth);
  EXPECT_NEAR(p.longitudes[ketu_body], 303.951, to_a_thousandth);
}

// The Moon takes the nutation after its own reduction.
TEST(BodyPositions, MoonCarriesTheNutation) {
  double longitudes[body_count];
  tropical_longitudes(0.0, longitudes);
  EXPECT_DOUBLE_EQ(longitudes[moon_body],
                   moon_longitude(0.0) + nutation_in_longitude(0.0) * radians_to_degrees);
  EXPECT_NEAR(longitudes[moon_body] - moon_longitude(0.0), -0.0038, 0.00005);
}

TEST(BodyPositions, LongitudesOnTheFirstOf2025) {
  EXPECT_EQ(moment(1, 1, 2025, 0.0), t_2025);
  const Positions p = positions_at(t_2025);
  EXPECT_NEAR(p.longitudes[mars_body], 121.917, to_a_thousandth);
  EXPECT_NEAR(p.longitudes[jupiter_body], 73.215, to_a_thousandth);
}

TEST(DailyMotions, AtJ2000) {
  const Positions p = positions_at(0.0);
  EXPECT_NEAR(p.motions[sun_body], 1.0194, to_four_decimals);
  EXPECT_NEAR(p.motions[moon_body], 12.0246, to_four_decimals);
  EXPECT_NEAR(p.motions[mars_body], 0.7757, to_four_decimals);
  EXPECT_NEAR(p.motions[mercury_body], 1.5563, to_four_decimals);
  EXPECT_NEAR(p.motions[jupiter_body], 0.0407, to_four_decimals);
  EXPECT_NEAR(p.motions[venus_body], 1.2090, to_four_decimals);
  EXPECT_NEAR(p.motions[saturn_body], -0.0200, to_four_decimals);
  EXPECT_NEAR(p.motions[rahu_body], -0.0540, to_four_decimals);
  EXPECT_NEAR(p.motions[ketu_body], -0.0540, to_four_decimals);
}

TEST(DailyMotions, RetrogradeOnTheFirstOf2025) {
  const Positions p = positions_at(t_2025);
  EXPECT_NEAR(p.motions[mars_body], -0.3278, to_four_decimals);
  EXPECT_NEAR(p.motions[jupiter_body], -0.1065, to_four_decimals);
  EXPECT_NEAR(p.motions[rahu_body], -0.2031, to_four_decimals);
  EXPECT_NEAR(p.motions[ketu_body], -0.2031, to_four_decimals);
  EXPECT_NEAR(p.motions[moon_body], 13.4396, to_four_decimals);
}

TEST(DailyMotions, BackwardDifferenceOverTheHour) {
  const double t = 0.0123;
  const Positions p = positions_at(t);
  double before[body_count];
  tropical_longitudes(t - one_hour, before);
  for (int i = sun_body; i <= saturn_body; ++i) {
    EXPECT_EQ(p.motions[i], (p.longitudes[i] - before[i]) * 24.0) << i;
  }
}

// 5 January 2025, 20:00 UT: the Moon passes 0 during the hour before.
TEST(DailyMotions, MoonCrossingZeroMovesForward) {
  const double t = moment(1, 5, 2025, 20.0);
  double before[body_count];
  tropical_longitudes(t - one_hour, before);
  const Positions p = positions_at(t);
  ASSERT_GT(before[moon_body], 359.0);
  ASSERT_LT(p.longitudes[moon_body], 1.0);
  EXPECT_GT(p.motions[moon_body], 11.5);
  EXPECT_LT(p.motions[moon_body], 15.5);
}

// 12 January 2025, 0:00 UT: Rahu moves back across 0 during the hour before.
TEST(DailyMotions, NodeCrossingZeroMovesBackward) {
  const double t = moment(1, 12, 2025, 0.0);
  double before[body_count];
  tropical_longitudes(t - one_hour, before);
  const Positions p = positions_at(t);
  ASSERT_LT(before[rahu_body], 1.0);
  ASSERT_GT(p.longitudes[rahu_body], 359.0);
  EXPECT_LT(p.motions[rahu_body], 0.0);
  EXPECT_GT(p.motions[rahu_body], -1.0);
  EXPECT_NEAR(p.motions[ketu_body], p.motions[rahu_body], 1e-9);
}

TEST(BodyPositions, SlotZeroIsLeftAlone) {
  const Positions p = positions_at(t_2025);
  EXPECT_EQ(p.longitudes[ascendant_body], untouched);
  EXPECT_EQ(p.motions[ascendant_body], untouched);
  double longitudes[body_count];
  longitudes[ascendant_body] = untouched;
  tropical_longitudes(0.0, longitudes);
  EXPECT_EQ(longitudes[ascendant_body], untouched);
}

// Every twenty-odd days from 1600 to 2400, at a varying hour.
TEST(BodyPositions, RangesOverTheAcceptedYears) {
  const double first = julian_day_number(1, 1, 1600);
  const double last = julian_day_number(12, 31, 2400);
  int samples = 0;
  for (double day = first; day <= last; day += 23.37) {
    const double t = (day - 0.5 - 2451545.0) / 36525.0;
    const Positions p = positions_at(t);
    ++samples;
    const double* l = p.longitudes;
    for (int i : {sun_body, rahu_body, ketu_body}) {
      ASSERT_GE(l[i], 0.0) << i << " at " << t;
      ASSERT_LT(l[i], 360.0) << i << " at " << t;
    }
    ASSERT_GT(l[moon_body], -0.01) << t;
    ASSERT_LT(l[moon_body], 360.01) << t;
    for (int i : {mars_body, mercury_body, jupiter_body, venus_body, saturn_body}) {
      ASSERT_GT(l[i], -0.1) << i << " at " << t;
      ASSERT_LT(l[i], 360.0) << i << " at " << t;
    }
    double opposition = l[ketu_body] - l[rahu_body];
    if (opposition < 0.0) opposition += 360.0;
    ASSERT_NEAR(opposition, 180.0, 1e-9) << t;
    ASSERT_NEAR(p.motions[ketu_body], p.motions[rahu_body], 1e-9) << t;
    // A motion taken the long way round would be thousands of degrees a day.
    ASSERT_GT(p.motions[sun_body], 0.9) << t;
    ASSERT_LT(p.motions[sun_body], 1.1) << t;
    ASSERT_GT(p.motions[moon_body], 11.0) << t;
    ASSERT_LT(p.motions[moon_body], 16.0) << t;
    for (int i = mars_body; i <= ketu_body; ++i) {
      ASSERT_LT(std::fabs(p.motions[i]), 2.5) << i << " at " << t;
    }
  }
  EXPECT_GT(samples, 12000);
}

}  // namespace
