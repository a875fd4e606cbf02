#include "chart/body_state.h"

#include "base/units.h"
#include "chart/chart.h"
#include "ephemeris/ascendant_ayanamsha.h"
#include "ephemeris/body_positions.h"

BodyState body_state_at(int body, UtMinute minute) {
  const UtMinute day_number = minute / minutes_per_day;
  const int of_day = static_cast<int>(minute - day_number * minutes_per_day);
  // The chart's own steps: the day number, then the hours of UT.
  const int whole_hours = of_day / minutes_per_hour;
  const double ut_hours =
      whole_hours + of_day % minutes_per_hour / static_cast<double>(minutes_per_hour);
  const double julian_day = static_cast<double>(day_number) + ut_hours / 24.0;
  const double t = centuries_of(julian_day);
  double motion = 0;
  const double longitude = body_position(body, t, motion);
  const double a = ayanamsha(t);
  // Ketu as the chart has it: opposite Rahu's whole arc-minute.
  const int position =
      body == ketu_body
          ? ketu_minutes(sidereal_minutes(tropical_longitude(rahu_body, t), a))
          : sidereal_minutes(longitude, a);
  return {position, motion * arc_seconds_per_degree, longitude + a};
}
