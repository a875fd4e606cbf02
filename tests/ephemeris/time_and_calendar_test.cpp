#include "ephemeris/time_and_calendar.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(JulianDayNumber, ReferenceDates) {
  EXPECT_EQ(julian_day_number(1, 1, 2000), 2451545.0);
  EXPECT_EQ(julian_day_number(3, 1, 2000), 2451605.0);
  EXPECT_EQ(julian_day_number(2, 29, 2000), 2451604.0);
  EXPECT_EQ(julian_day_number(1, 1, 1), 1721424.0);
  EXPECT_EQ(julian_day_number(1, 1, -4712), 0.0);
}

TEST(JulianDayNumber, EndsOfTheAcceptedYears) {
  EXPECT_EQ(julian_day_number(1, 1, 1600), 2305448.0);
  EXPECT_EQ(julian_day_number(12, 31, 2400), 2598007.0);
}

// The Julian reckoning runs up to and including 15 October 1582, so the
// numbers step back on the 16th.
TEST(JulianDayNumber, AroundTheCalendarReform) {
  EXPECT_EQ(julian_day_number(10, 4, 1582), 2299160.0);
  EXPECT_EQ(julian_day_number(10, 5, 1582), 2299161.0);
  EXPECT_EQ(julian_day_number(10, 15, 1582), 2299171.0);
  EXPECT_EQ(julian_day_number(10, 16, 1582), 2299162.0);
  EXPECT_EQ(julian_day_number(10, 17, 1582), 2299163.0);
}

TEST(JulianDayNumber, DaysRunOnIntoTheNextMonth) {
  EXPECT_EQ(julian_day_number(2, 29, 1900), 2415080.0);
  EXPECT_EQ(julian_day_number(3, 1, 1900), 2415080.0);
  EXPECT_EQ(julian_day_number(12, 32, 1999), julian_day_number(1, 1, 2000));
}

TEST(JulianDayNumber, ConsecutiveDaysAcrossMonthAndYearEnds) {
  for (int year = 1600; year <= 2400; year += 97) {
    const double first = julian_day_number(1, 1, year);
    EXPECT_EQ(julian_day_number(12, 31, year - 1), first - 1.0) << year;
    EXPECT_EQ(julian_day_number(3, 1, year) - julian_day_number(2, 28, year),
              1.0 + is_leap_year(year))
        << year;
    EXPECT_EQ(julian_day_number(1, 1, year + 1) - first, 365.0 + is_leap_year(year))
        << year;
  }
}

TEST(LeapYear, GregorianRuleForEveryYear) {
  EXPECT_EQ(is_leap_year(1600), 1);
  EXPECT_EQ(is_leap_year(2000), 1);
  EXPECT_EQ(is_leap_year(2400), 1);
  EXPECT_EQ(is_leap_year(1996), 1);
  EXPECT_EQ(is_leap_year(1900), 0);
  EXPECT_EQ(is_leap_year(2100), 0);
  EXPECT_EQ(is_leap_year(1999), 0);
  EXPECT_EQ(is_leap_year(1500), 0);
  EXPECT_EQ(is_leap_year(-4), 1);
  EXPECT_EQ(is_leap_year(-1), 0);
  EXPECT_EQ(is_leap_year(0), 1);
}

TEST(LocalSiderealAngle, NoonOfJ2000AtGreenwich) {
  EXPECT_NEAR(local_sidereal_angle(0.0, 12.0, 0.0), 280.46061837, 1e-8);
}

TEST(LocalSiderealAngle, WestIsSmallerAndEastLarger) {
  const double greenwich = local_sidereal_angle(0.0, 12.0, 0.0);
  EXPECT_NEAR(local_sidereal_angle(0.0, 12.0, 30.0), greenwich - 30.0, 1e-9);
  EXPECT_NEAR(local_sidereal_angle(0.0, 12.0, -30.0), greenwich + 30.0, 1e-9);
}

TEST(LocalSiderealAngle, StaysWithinOneTurn) {
  // At 0h the Greenwich angle is about 100.46, so 150 west wraps below 0.
  const double wrapped = local_sidereal_angle(0.0, 0.0, 150.0);
  EXPECT_NEAR(wrapped, local_sidereal_angle(0.0, 0.0, 0.0) - 150.0 + 360.0, 1e-9);
  for (double hours = -13.0; hours <= 37.0; hours += 0.75) {
    for (double longitude = -180.0; longitude <= 180.0; longitude += 45.0) {
      const double s = local_sidereal_angle(0.1234, hours, longitude);
      EXPECT_GE(s, 0.0);
      EXPECT_LT(s, 360.0);
    }
  }
}

TEST(MeanObliquity, AtJ2000) {
  EXPECT_DOUBLE_EQ(mean_obliquity(0.0), 23.439291 * degrees_to_radians);
  // Decreasing by about 47 arc-seconds a century.
  EXPECT_NEAR((mean_obliquity(1.0) - mean_obliquity(0.0)) * radians_to_degrees,
              -0.0130042 - 1.639e-7, 1e-12);
}

TEST(NutationInLongitude, AtJ2000) {
  EXPECT_DOUBLE_EQ(nutation_in_longitude(0.0),
                   (std::sin(2.18) * -834.0 - std::sin(3.51) * 64.0) * 1e-7);
  EXPECT_NEAR(nutation_in_longitude(0.0) * radians_to_degrees, -0.0038, 0.00005);
}

TEST(NormalizeDegrees, OneAddedTurnForNegatives) {
  EXPECT_EQ(normalize_degrees(-30.0), 330.0);
  EXPECT_EQ(normalize_degrees(720.5), 0.5);
  EXPECT_EQ(normalize_degrees(359.5), 359.5);
  EXPECT_EQ(normalize_degrees(-390.0), 330.0);
  EXPECT_EQ(normalize_degrees(360.0), 0.0);
}

}  // namespace
