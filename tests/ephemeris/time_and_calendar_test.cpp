#include "ephemeris/time_and_calendar.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The Julian reckoning runs up to and including 15 October 1582, so the numbers
// step back on the 16th; a day past its month's end runs on into the next month.
TEST(JulianDayNumber, ReferenceDatesReformAndRangeEnds) {
  const struct {
    int month, day, year;
    double number;
  } cases[] = {
      {1, 1, 2000, 2451545},   {3, 1, 2000, 2451605},   {2, 29, 2000, 2451604},
      {1, 1, 1, 1721424},      {1, 1, -4712, 0},        {1, 1, 1600, 2305448},
      {12, 31, 2400, 2598007}, {10, 4, 1582, 2299160},  {10, 5, 1582, 2299161},
      {10, 15, 1582, 2299171}, {10, 16, 1582, 2299162}, {2, 29, 1900, 2415080},
      {3, 1, 1900, 2415080},   {12, 32, 1999, 2451545},
  };
  for (const auto& c : cases)
    EXPECT_EQ(julian_day_number(c.month, c.day, c.year), c.number)
        << c.year << "-" << c.month << "-" << c.day;
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
  for (int year : {1600, 2000, 2400, 1996, -4, 0})
    EXPECT_EQ(is_leap_year(year), 1) << year;
  for (int year : {1900, 2100, 1999, 1500, -1}) EXPECT_EQ(is_leap_year(year), 0) << year;
}

TEST(LocalSiderealAngle, GreenwichWestEastAndTheWrap) {
  const double greenwich = local_sidereal_angle(0.0, 12.0, 0.0);
  EXPECT_NEAR(greenwich, 280.46061837, 1e-8);
  EXPECT_NEAR(local_sidereal_angle(0.0, 12.0, 30.0), greenwich - 30.0, 1e-9);
  EXPECT_NEAR(local_sidereal_angle(0.0, 12.0, -30.0), greenwich + 30.0, 1e-9);
  // At 0h the angle is about 100.46, so 150 west wraps below 0.
  EXPECT_NEAR(local_sidereal_angle(0.0, 0.0, 150.0),
              local_sidereal_angle(0.0, 0.0, 0.0) - 150.0 + 360.0, 1e-9);
}

TEST(ObliquityAndNutation, AtJ2000) {
  EXPECT_DOUBLE_EQ(mean_obliquity(0.0), 23.439291 * degrees_to_radians);
  EXPECT_NEAR(mean_obliquity(1.0), 23.4262866361 * degrees_to_radians, 1e-15);
  EXPECT_DOUBLE_EQ(nutation_in_longitude(0.0),
                   (std::sin(2.18) * -834.0 - std::sin(3.51) * 64.0) * 1e-7);
}

TEST(NormalizeDegrees, OneAddedTurnForNegatives) {
  EXPECT_EQ(normalize_degrees(-30.0), 330.0);
  EXPECT_EQ(normalize_degrees(720.5), 0.5);
  EXPECT_EQ(normalize_degrees(359.5), 359.5);
  EXPECT_EQ(normalize_degrees(-390.0), 330.0);
  EXPECT_EQ(normalize_degrees(360.0), 0.0);
}

}  // namespace
