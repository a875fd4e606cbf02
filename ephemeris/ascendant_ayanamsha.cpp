#include "ephemeris/ascendant_ayanamsha.h"

#include <cmath>

#include "base/units.h"
#include "ephemeris/time_and_calendar.h"

double ascendant(double t, double ut_hours, double longitude, double latitude) {
  const double theta = local_sidereal_angle(t, ut_hours, longitude) * degrees_to_radians;
  const double epsilon = mean_obliquity(t);
  const double x = std::cos(epsilon) * (-std::sin(theta)) -
                   std::sin(epsilon) * std::tan(latitude * degrees_to_radians);
  double a = std::atan2(std::cos(theta), x);
  // atan2 takes the sign of cos(theta): a negative result gains one full turn.
  if (a < 0.0) a = a + pi;
  if (std::cos(theta) < 0.0) a = a + pi;
  return a * radians_to_degrees;
}

// Lahiri's ayanamsha: its value at J2000.0, 85886" (23°51'26"), as the
// Indian Astronomical Ephemeris adopts it, carried by the general precession
// in longitude of Lieske et al. (1977, A&A 58, 1), 5029.0966" T +
// 1.11113" T², here to 5029.0 and 1.11.
double ayanamsha(double t) {
  const double value = ((t * 1.11 + 5029.0) * t + 85886.0) / arc_seconds_per_degree;
  return -value;
}
