#include "ephemeris/body_positions.h"

#include <cmath>

#include "ephemeris/moon_and_node.h"
#include "ephemeris/planet_aberration.h"
#include "ephemeris/planet_longitude.h"
#include "ephemeris/planet_series.h"
#include "ephemeris/time_and_calendar.h"
#include "ephemeris/vsop87d_tables.h"

namespace {

// One hour in Julian centuries (1 / 876600).
constexpr double one_hour_in_centuries = 1.1407711613050422e-6;

}  // namespace

void tropical_longitudes(double t, double longitudes[body_count]) {
  const HeliocentricCoordinates earth = heliocentric_coordinates(t, EarthSeries);
  const double delta_psi = nutation_in_longitude(t);

  longitudes[sun_body] = sun_longitude(t, earth, delta_psi);
  // The Moon is not reduced again after its nutation.
  longitudes[moon_body] = moon_longitude(t) + delta_psi * radians_to_degrees;
  longitudes[mercury_body] =
      planet_longitude(t, MercurySeries, MercuryAberration, earth, delta_psi);
  longitudes[venus_body] =
      planet_longitude(t, VenusSeries, VenusAberration, earth, delta_psi);
  longitudes[mars_body] =
      planet_longitude(t, MarsSeries, MarsAberration, earth, delta_psi);
  longitudes[jupiter_body] =
      planet_longitude(t, JupiterSeries, JupiterAberration, earth, delta_psi);
  longitudes[saturn_body] =
      planet_longitude(t, SaturnSeries, SaturnAberration, earth, delta_psi);
  // The nodes stay on the mean equinox.
  longitudes[rahu_body] = lunar_node(t);
  longitudes[ketu_body] = std::fmod(longitudes[rahu_body] + 180.0, 360.0);
}

void body_positions(double t, double longitudes[body_count],
                    double daily_motions[body_count]) {
  tropical_longitudes(t, longitudes);
  double before[body_count] = {};
  tropical_longitudes(t - one_hour_in_centuries, before);
  for (int i = 1; i < body_count; ++i) {
    double d = longitudes[i] - before[i];
    // The short way round, so a body crossing 0 keeps the sign of its motion.
    if (d > 180.0) d = d - 360.0;
    if (d < -180.0) d = d + 360.0;
    daily_motions[i] = d * 24.0;
  }
}
