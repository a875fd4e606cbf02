#pragma once

// Calendar arithmetic and the time quantities every series shares.
// T is Julian centuries of Universal Time from J2000.0.

constexpr double degrees_to_radians = 0.017453292519943295;
constexpr double radians_to_degrees = 57.29577951308232;
constexpr double pi = 3.141592653589793;
constexpr double two_pi = 6.283185307179586;

// Julian date at noon of the civil date; Julian calendar up to 15 October 1582.
double julian_day_number(int month, int day, int year);

// Gregorian rule for every year: 1 for a leap year, else 0.
int is_leap_year(int year);

// Days in a month (1 to 12) of a year, by the leap-year rule above.
int days_in_month(int year, int month);

// The civil date of a day count on the julian_day scale (its integer part
// the Julian day number, its fraction the part of the day elapsed), in the
// Gregorian calendar for every day number, also before 1582.
struct CivilDate {
  int year;
  int month;  // 1 to 12
  int day;
};
CivilDate civil_date_of(double day_count);

// Local mean sidereal angle in degrees, 0 <= value < 360; longitude West positive.
double local_sidereal_angle(double t, double ut_hours, double longitude);

// Radians.
double mean_obliquity(double t);
double nutation_in_longitude(double t);
