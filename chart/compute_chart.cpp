#include "chart/compute_chart.h"

#include <cmath>

#include "app/chart_state.h"
#include "ephemeris/ascendant_ayanamsha.h"
#include "ephemeris/body_positions.h"
#include "ephemeris/time_and_calendar.h"

int sidereal_minutes(double tropical_degrees, double ayanamsha_degrees) {
  double x = std::fmod(tropical_degrees + ayanamsha_degrees, 360.0);
  int position = static_cast<int>(x * 60.0);
  if (position < 0) position += 21600;
  return position;
}

int motion_arc_seconds(double degrees_per_day) {
  return static_cast<int>(degrees_per_day * 3600.0);
}

void compute_chart() {
  double julian_day =
      julian_day_number(ChartState.month, ChartState.day, ChartState.year);
  // Left unreduced: a late local time in a "+" zone runs past 24 hours, and
  // both the day count and the ascendant take it as it is.
  double ut_hours = ChartState.hour + ChartState.minute / 60.0;
  ut_hours = ut_hours + ChartState.zone_offset;
  julian_day = julian_day + ut_hours / 24.0;
  ChartState.julian_day = julian_day;

  // julian_day counts from noon-based day numbers plus the UT day fraction,
  // so it is half a day ahead of the astronomical Julian date.
  double t = (julian_day - 0.5 - 2451545.0) / 36525.0;

  double longitudes[body_count] = {};
  double motions[body_count] = {};
  body_positions(t, longitudes, motions);
  longitudes[ascendant_body] =
      ascendant(t, ut_hours, ChartState.longitude, ChartState.latitude);
  motions[ascendant_body] = 0;
  double a = ayanamsha(t);

  for (int i = 0; i < body_count; ++i) {
    ChartState.positions[i] = sidereal_minutes(longitudes[i], a);
    ChartState.speeds[i] = motion_arc_seconds(motions[i]);
  }
}
