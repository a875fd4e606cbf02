#include "chart/sunrise.h"

#include <algorithm>
#include <cmath>

#include "base/chart_names.h"
#include "base/units.h"
#include "chart/chart.h"
#include "ephemeris/body_positions.h"
#include "ephemeris/time_and_calendar.h"

namespace {

constexpr UtSecond half_day = seconds_per_day / 2;
// The Sun's hour angle turns once a day: 240 seconds of time a degree.
constexpr double seconds_per_degree = 240.0;

// Degrees of the centre's altitude at which each rule has the Sun rise.
const double RuleAltitudes[] = {0.0, -(34.0 + 16.0) / arc_minutes_per_degree};

struct Observer {
  double longitude;
  double sin_latitude;
  double cos_latitude;
  double sin_altitude;  // of the rule's altitude
};

// The Sun from the place at one second.
struct SunSky {
  UtSecond second;
  double hour_angle;  // degrees, -180 to 180: negative before the upper transit
  bool up;            // at or above the rule's altitude
};

double signed_degrees(double degrees) { return wrap_degrees(degrees + 180.0) - 180.0; }

SunSky sun_sky(UtSecond second, const Observer& observer) {
  const UtSecond day = second / seconds_per_day;
  const double of_day = static_cast<double>(second - day * seconds_per_day);
  const double t = centuries_of(static_cast<double>(day) + of_day / seconds_per_day);
  const double lambda = tropical_longitude(sun_body, t) * degrees_to_radians;
  const double epsilon = mean_obliquity(t);
  const double right_ascension =
      std::atan2(std::cos(epsilon) * std::sin(lambda), std::cos(lambda));
  const double declination = std::asin(std::sin(epsilon) * std::sin(lambda));
  // The Sun's longitude is apparent: the sidereal time takes the equation of
  // the equinoxes too (Meeus, Astronomical Algorithms, ch. 12).
  const double sidereal =
      local_sidereal_angle(t, of_day / 3600.0, observer.longitude) +
      nutation_in_longitude(t) * std::cos(epsilon) * radians_to_degrees;
  const double hour_angle =
      signed_degrees(sidereal - right_ascension * radians_to_degrees);
  const double sin_altitude = observer.sin_latitude * std::sin(declination) +
                              observer.cos_latitude * std::cos(declination) *
                                  std::cos(hour_angle * degrees_to_radians);
  return {second, hour_angle, sin_altitude >= observer.sin_altitude};
}

// The second nearest to where the Sun's hour angle is `angle` (0 at the upper
// transit, 180 at the lower), near guess.
SunSky meridian_crossing(UtSecond guess, double angle, const Observer& observer) {
  SunSky sky = sun_sky(guess, observer);
  for (int i = 0; i < 4; ++i) {
    const UtSecond step =
        std::llround(-signed_degrees(sky.hour_angle - angle) * seconds_per_degree);
    if (step == 0) break;
    sky = sun_sky(sky.second + step, observer);
  }
  return sky;
}

// The first second after low at which the Sun has risen (or set), where it
// has not at low and has at high, between two transits: between them its
// altitude only climbs (or only falls).
UtSecond crossing_between(const SunSky& low, const SunSky& high, bool rising,
                          const Observer& observer) {
  UtSecond before = low.second;
  UtSecond after = high.second;
  while (after - before > 1) {
    const UtSecond second = before + (after - before) / 2;
    (sun_sky(second, observer).up == rising ? after : before) = second;
  }
  return after;
}

// The first rising (or setting) from second `from` up to `to`. The Sun rises
// while it climbs from its lower transit to its upper one and sets on the
// way down.
std::optional<UtSecond> first_crossing(UtSecond from, UtSecond to, bool rising,
                                       const Observer& observer) {
  const double opening = rising ? 180.0 : 0.0;
  const double since = wrap_degrees(sun_sky(from, observer).hour_angle - opening);
  // The transit that opens the half holding `from`, or the next half of the
  // kind wanted.
  const double to_opening = since < 180.0 ? -since : 360.0 - since;
  SunSky open = meridian_crossing(from + std::llround(to_opening * seconds_per_degree),
                                  opening, observer);
  while (open.second < to) {
    const SunSky close =
        meridian_crossing(open.second + half_day, opening + 180.0, observer);
    if (open.up != rising && close.up == rising) {
      const UtSecond found = crossing_between(open, close, rising, observer);
      if (found >= to) return std::nullopt;
      if (found >= from) return found;
    }
    open = meridian_crossing(close.second + half_day, opening, observer);
  }
  return std::nullopt;
}

}  // namespace

UtMinute nearest_minute(UtSecond second) {
  return (second + seconds_per_minute / 2) / seconds_per_minute;
}

UtMinute minute_from(UtSecond second) {
  return (second + seconds_per_minute - 1) / seconds_per_minute;
}

SunTimes sun_times(UtMinute day_start, UtMinute day_end, const GeoPlace& place,
                   SunriseRule rule) {
  const double latitude = place.latitude * degrees_to_radians;
  const Observer observer{place.longitude, std::sin(latitude), std::cos(latitude),
                          std::sin(RuleAltitudes[rule] * degrees_to_radians)};
  SunTimes times;
  times.sunrise = first_crossing(day_start * seconds_per_minute,
                                 day_end * seconds_per_minute, true, observer);
  const UtSecond from = times.sunrise ? *times.sunrise : day_start * seconds_per_minute;
  const UtSecond to =
      times.sunrise ? *times.sunrise + seconds_per_day : day_end * seconds_per_minute;
  times.sunset = first_crossing(from, to, false, observer);
  return times;
}
