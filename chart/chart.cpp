#include "chart/chart.h"

#include <cmath>

#include "base/units.h"
#include "chart/position_derivations.h"
#include "ephemeris/ascendant_ayanamsha.h"
#include "ephemeris/body_positions.h"
#include "ephemeris/time_and_calendar.h"

int sidereal_minutes(double tropical_degrees, double ayanamsha_degrees) {
  double x = std::fmod(tropical_degrees + ayanamsha_degrees, degrees_per_circle);
  // Downward, then round the circle: truncating a negative sum toward zero
  // would put it an arc-minute high.
  int position = static_cast<int>(std::floor(x * arc_minutes_per_degree));
  if (position < 0) position += arc_minutes_per_circle;
  return position;
}

int ketu_minutes(int rahu_minutes) {
  return (rahu_minutes + arc_minutes_per_circle / 2) % arc_minutes_per_circle;
}

int motion_arc_seconds(double degrees_per_day) {
  return static_cast<int>(degrees_per_day * arc_seconds_per_degree);
}

double centuries_of(double julian_day) {
  // julian_day counts from noon-based day numbers plus the UT day fraction,
  // so it is half a day ahead of the astronomical Julian date.
  return (julian_day - 0.5 - 2451545.0) / 36525.0;
}

Chart chart_of(const ChartInput& input) {
  Chart chart;
  chart.input = input;
  double julian_day = julian_day_number(input.month, input.day, input.year);
  // Left unreduced: a late local time in a "+" zone runs past 24 hours, and
  // both the day count and the ascendant take it as it is.
  double ut_hours = input.hour + input.minute / static_cast<double>(minutes_per_hour);
  ut_hours = ut_hours + input.zone_offset;
  julian_day = julian_day + ut_hours / 24.0;
  chart.julian_day = julian_day;
  const double t = centuries_of(julian_day);

  double longitudes[body_count] = {};
  double motions[body_count] = {};
  body_positions(t, longitudes, motions);
  longitudes[ascendant_body] = ascendant(t, ut_hours, input.longitude, input.latitude);
  motions[ascendant_body] = 0;
  double a = ayanamsha(t);

  for (int i = 0; i < body_count; ++i) {
    chart.positions[i] = sidereal_minutes(longitudes[i], a);
    chart.speeds[i] = motion_arc_seconds(motions[i]);
    chart.backward[i] = motions[i] < 0;
  }
  chart.positions[ketu_body] = ketu_minutes(chart.positions[rahu_body]);
  derive_chart_facts(chart);
  return chart;
}

void derive_chart_facts(Chart& chart) {
  for (int i = 0; i < body_count; ++i) {
    const int p = chart.positions[i];
    chart.bodies[i] = {sign_of(p), nakshatra_of(p), navamsha_sign_of(p),
                       is_retrograde_marked(i, chart.backward[i])};
  }
  chart.dashas = dasha_sequence(chart.positions[moon_body], chart.julian_day);
}

int bodies_in_sign(const Chart& chart, int sign, int (&bodies)[body_count]) {
  int count = 0;
  for (int body = 0; body < body_count; ++body)
    if (chart.bodies[body].sign == sign) bodies[count++] = body;
  return count;
}
