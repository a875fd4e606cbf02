#include "ephemeris/body_positions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/time_and_calendar.h"

namespace {

constexpr double t_2025 = 0.2500068446269678;  // 1 January 2025, 0:00 UT
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
  for (int i = 0; i < body_count; ++i) p.longitudes[i] = p.motions[i] = untouched;
  body_positions(t, p.longitudes, p.motions);
  return p;
}

// Longitudes to 0.001 degree where given, motions to 0.0001 degree a day. The
// Moon's slot holds moon_longitude's 223.319 plus the nutation of -0.0038. On
// 1 January 2025 Mars, Jupiter and the nodes move backward.
TEST(BodyPositions, LongitudesAndMotionsAtJ2000AndOnTheFirstOf2025) {
  EXPECT_EQ(moment(1, 1, 2025, 0.0), t_2025);
  const double none = NAN;
  const struct {
    double t;
    int body;
    double longitude, motion;
  } cases[] = {
      {0.0, sun_body, 280.368, 1.0194},        {0.0, moon_body, 223.315, 12.0246},
      {0.0, mars_body, 327.963, 0.7757},       {0.0, mercury_body, 271.888, 1.5563},
      {0.0, jupiter_body, 25.254, 0.0407},     {0.0, venus_body, 241.565, 1.2090},
      {0.0, saturn_body, 40.395, -0.0200},     {0.0, rahu_body, 123.951, -0.0540},
      {0.0, ketu_body, 303.951, -0.0540},      {t_2025, mars_body, 121.917, -0.3278},
      {t_2025, jupiter_body, 73.215, -0.1065}, {t_2025, rahu_body, none, -0.2031},
      {t_2025, ketu_body, none, -0.2031},      {t_2025, moon_body, none, 13.4396},
  };
  for (const auto& c : cases) {
    const Positions p = positions_at(c.t);
    if (!std::isnan(c.longitude)) {
      EXPECT_NEAR(p.longitudes[c.body], c.longitude, 0.0005) << c.body << " at " << c.t;
    }
    EXPECT_NEAR(p.motions[c.body], c.motion, 0.00005) << c.body << " at " << c.t;
    EXPECT_EQ(p.longitudes[ascendant_body], untouched);
    EXPECT_EQ(p.motions[ascendant_body], untouched);
  }
}

// The Moon passes 0 forward in the hour before 5 January 2025, 20:00 UT, and
// Rahu back across it in the hour before 12 January 2025, 0:00 UT.
TEST(BodyPositions, CrossingZeroKeepsTheDirectionOfMotion) {
  const struct {
    int day;
    double hour;
    int body;
    double lowest, highest;
  } cases[] = {{5, 20.0, moon_body, 11.5, 15.5}, {12, 0.0, rahu_body, -1.0, 0.0}};
  for (const auto& c : cases) {
    const double t = moment(1, c.day, 2025, c.hour);
    double before[body_count];
    tropical_longitudes(t - 1.1407711613050422e-6, before);
    const Positions p = positions_at(t);
    ASSERT_GT(std::fabs(p.longitudes[c.body] - before[c.body]), 358.0) << c.body;
    EXPECT_GT(p.motions[c.body], c.lowest) << c.body;
    EXPECT_LT(p.motions[c.body], c.highest) << c.body;
  }
}

// Every twenty-odd days from 1600 to 2400, at a varying hour.
TEST(BodyPositions, RangesOverTheAcceptedYears) {
  const double first = julian_day_number(1, 1, 1600);
  const double last = julian_day_number(12, 31, 2400);
  for (double day = first; day <= last; day += 23.37) {
    const double t = (day - 0.5 - 2451545.0) / 36525.0;
    const Positions p = positions_at(t);
    const double* l = p.longitudes;
    for (int i : {sun_body, rahu_body, ketu_body})
      ASSERT_TRUE(l[i] >= 0.0 && l[i] < 360.0) << i << " at " << t;
    ASSERT_TRUE(l[moon_body] > -0.01 && l[moon_body] < 360.01) << t;
    for (int i : {mars_body, mercury_body, jupiter_body, venus_body, saturn_body})
      ASSERT_TRUE(l[i] > -0.1 && l[i] < 360.0) << i << " at " << t;
    const double opposition = std::fmod(l[ketu_body] - l[rahu_body] + 360.0, 360.0);
    ASSERT_NEAR(opposition, 180.0, 1e-9) << t;
    ASSERT_NEAR(p.motions[ketu_body], p.motions[rahu_body], 1e-9) << t;
    // A motion taken the long way round would be thousands of degrees a day.
    ASSERT_TRUE(p.motions[sun_body] > 0.9 && p.motions[sun_body] < 1.1) << t;
    ASSERT_TRUE(p.motions[moon_body] > 11.0 && p.motions[moon_body] < 16.0) << t;
    for (int i = mars_body; i <= ketu_body; ++i)
      ASSERT_LT(std::fabs(p.motions[i]), 2.5) << i << " at " << t;
  }
}

}  // namespace
