#include "ephemeris/time_and_calendar.h"

#include <cmath>
#include <cstdint>

#include "base/units.h"

// The Julian day number by integer arithmetic on months counted from March
// of year -4800, as in the Explanatory Supplement to the Astronomical
// Almanac (1992, section 12.92).
double julian_day_number(int month, int day, int year) {
  // Months counted from March of year -4800, so February ends each counted year.
  const std::int32_t a = 12 * year + month + 57597;
  const std::int32_t r = a - 12 * (a / 12);
  std::int32_t j = a / 48 + day + (365 * a + 2 * r + 7) / 12 - 32083;
  // Up to 15 October 1582 the day is read in the Julian calendar.
  if (j > 2299171) j = j + a / 4800 - a / 1200 + 38;
  return static_cast<double>(j);
}

int is_leap_year(int year) {
  if ((year & 3) != 0) return 0;
  if (year % 100 != 0) return 1;
  return year % 400 == 0 ? 1 : 0;
}

int days_in_month(int year, int month) {
  static const int MonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return MonthDays[month - 1] + (month == 2 ? is_leap_year(year) : 0);
}

// Meeus (1998), ch. 7: the calendar date of a Julian day.
CivilDate civil_date_of(double day_count) {
  // Applied to every day number without a test for the reform: the date is
  // Gregorian throughout.
  int z = static_cast<int>(day_count);
  // Below day 0 the truncations leave the calendar (months 0 and less). Before
  // day 1867216 the steps repeat exactly every 400 years (146097 days), so the
  // day is brought up by whole cycles and the cycles taken off the year.
  int cycles = 0;
  if (z < 0) {
    cycles = -z / 146097 + 1;
    z += cycles * 146097;
  }
  const int alpha = static_cast<int>((z - 1867216.25) / 36524.25);
  const int a = z + 1 + alpha - alpha / 4;
  const int b = a + 1524;
  const int c = static_cast<int>((b - 122.1) / 365.25);
  const int d = static_cast<int>(365.25 * c);
  const int e = static_cast<int>((b - d) / 30.6001);
  const int day = b - d - static_cast<int>(30.6001 * e);
  const int month = e <= 13 ? e - 1 : e - 13;
  const int year = (month > 2 ? c - 4716 : c - 4715) - 400 * cycles;
  return {year, month, day};
}

// Greenwich mean sidereal time, 6.697374558 h + 2400.0513 h T + UT (Aoki et
// al. 1982, as the Astronomical Almanac writes it), turned by the longitude.
double local_sidereal_angle(double t, double ut_hours, double longitude) {
  // The hours enter with factor 1: T already carries the time of day and
  // 2400.0513 * T the sidereal excess.
  double s = (t * 2400.0513 + 246.697374558 + ut_hours) * 15.0 - longitude;
  return wrap_degrees(s);
}

// The IAU 1976 obliquity (Lieske et al. 1977): 23°26'21.448" - 46.8150" T
// - 0.00059" T².
double mean_obliquity(double t) {
  const double epsilon = (23.439291 - t * 0.0130042) - (t * 1.639e-7) * t;
  return epsilon * degrees_to_radians;
}

// The nutation in longitude's two largest terms, -17.20" sin Ω - 1.32"
// sin 2L (Meeus 1998, ch. 22), in 1e-7 radian.
double nutation_in_longitude(double t) {
  const double u = t / 100.0;
  const double a1 = (2.18 - u * 3375.7) + (u * 0.36) * u;
  const double a2 = (u * 125666.39 + 3.51) + (u * 0.1) * u;
  return (std::sin(a1) * -834.0 - std::sin(a2) * 64.0) * 1e-7;
}
