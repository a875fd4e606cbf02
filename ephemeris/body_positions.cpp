#include "ephemeris/body_positions.h"

#include <cmath>

#include "base/units.h"
#include "ephemeris/moon_and_node.h"
#include "ephemeris/planet_aberration.h"
#include "ephemeris/planet_longitude.h"
#include "ephemeris/planet_series.h"
#include "ephemeris/time_and_calendar.h"
#include "ephemeris/vsop87d_tables.h"

namespace {

// One hour in Julian centuries (1 / 876600).
constexpr double one_hour_in_centuries = 1.1407711613050422e-6;

// What every body's longitude at one moment shares: the Earth's coordinates
// and the nutation, each computed once.
struct MomentBasis {
  HeliocentricCoordinates earth;
  double delta_psi;
};

MomentBasis moment_basis(double t) {
  return {heliocentric_coordinates(t, EarthSeries), nutation_in_longitude(t)};
}

double planet_at(double t, const BodySeriesSet& set, const PlanetAberration& aberration,
                 const MomentBasis& basis) {
  return planet_longitude(t, set, aberration, basis.earth, basis.delta_psi);
}

// Slot body of tropical_longitudes; Ketu is taken from Rahu's longitude.
double longitude_of(int body, double t, const MomentBasis& basis, double rahu) {
  switch (body) {
    case sun_body:
      return sun_longitude(t, basis.earth, basis.delta_psi);
    case moon_body:
      // The Moon is not reduced again after its nutation.
      return moon_longitude(t) + basis.delta_psi * radians_to_degrees;
    case mercury_body:
      return planet_at(t, MercurySeries, MercuryAberration, basis);
    case venus_body:
      return planet_at(t, VenusSeries, VenusAberration, basis);
    case mars_body:
      return planet_at(t, MarsSeries, MarsAberration, basis);
    case jupiter_body:
      return planet_at(t, JupiterSeries, JupiterAberration, basis);
    case saturn_body:
      return planet_at(t, SaturnSeries, SaturnAberration, basis);
    case rahu_body:
      // The nodes stay on the mean equinox.
      return rahu;
    default:
      return wrap_degrees(rahu + 180.0);
  }
}

// The short way round, so a body crossing 0 keeps the sign of its motion.
double motion_per_day(double now, double hour_before) {
  double d = now - hour_before;
  if (d > 180.0) d = d - degrees_per_circle;
  if (d < -180.0) d = d + degrees_per_circle;
  return d * hours_per_day;
}

}  // namespace

void tropical_longitudes(double t, double longitudes[body_count]) {
  const MomentBasis basis = moment_basis(t);
  const double rahu = lunar_node(t);
  for (int body = sun_body; body < body_count; ++body)
    longitudes[body] = longitude_of(body, t, basis, rahu);
}

double tropical_longitude(int body, double t) {
  // The Earth's series are the dearest part: the Moon and the nodes do
  // without them.
  MomentBasis basis{};
  if (body != rahu_body && body != ketu_body) {
    basis.delta_psi = nutation_in_longitude(t);
    if (body != moon_body) basis.earth = heliocentric_coordinates(t, EarthSeries);
  }
  const double rahu = body >= rahu_body ? lunar_node(t) : 0.0;
  return longitude_of(body, t, basis, rahu);
}

void body_positions(double t, double longitudes[body_count],
                    double daily_motions[body_count]) {
  tropical_longitudes(t, longitudes);
  double before[body_count] = {};
  tropical_longitudes(t - one_hour_in_centuries, before);
  for (int i = 1; i < body_count; ++i)
    daily_motions[i] = motion_per_day(longitudes[i], before[i]);
}

double body_position(int body, double t, double& daily_motion) {
  const double now = tropical_longitude(body, t);
  daily_motion = motion_per_day(now, tropical_longitude(body, t - one_hour_in_centuries));
  return now;
}
