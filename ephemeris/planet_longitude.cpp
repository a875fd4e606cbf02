#include "ephemeris/planet_longitude.h"

#include <cmath>

#include "base/units.h"
#include "ephemeris/time_and_calendar.h"

double geocentric_longitude(const HeliocentricCoordinates& planet,
                            const HeliocentricCoordinates& earth) {
  // Each cosine is taken once; the products keep their left-to-right order.
  const double cos_b = std::cos(planet.b);
  const double cos_b0 = std::cos(earth.b);
  const double x =
      planet.r * cos_b * std::cos(planet.l) - earth.r * cos_b0 * std::cos(earth.l);
  const double y =
      planet.r * cos_b * std::sin(planet.l) - earth.r * cos_b0 * std::sin(earth.l);
  double lambda = std::atan2(y, x);
  if (lambda < 0.0) lambda = lambda + two_pi;
  return lambda;
}

double sun_longitude(double t, const HeliocentricCoordinates& earth, double delta_psi) {
  double l = std::fmod(earth.l, two_pi);
  if (l < 0.0) l = l + two_pi;
  const double aberration = aberration_in_longitude(SunAberration, t);
  const double lambda = l + (aberration + delta_psi);
  return wrap_degrees(lambda * radians_to_degrees + 180.0);
}

double planet_longitude(double t, const BodySeriesSet& planet_set,
                        const PlanetAberration& planet_aberration,
                        const HeliocentricCoordinates& earth, double delta_psi) {
  const HeliocentricCoordinates planet = heliocentric_coordinates(t, planet_set);
  double lambda = geocentric_longitude(planet, earth);
  const double aberration = aberration_in_longitude(planet_aberration, t);
  lambda = lambda + aberration + delta_psi;
  // No added turn: the chart reduces again after the ayanamsha.
  return std::fmod(lambda * radians_to_degrees, degrees_per_circle);
}
