#pragma once

#include <cstdint>

#include "base/chart_input.h"
#include "base/chart_names.h"
#include "chart/vimshottari.h"

// What a chart shows of one body beyond its position, derived once.
struct BodyFacts {
  int sign;       // 0 Aries to 11 Pisces
  int nakshatra;  // 0 Aswini to 26 Revati
  int navamsha;   // sign number 1 to 12 of the ninth-part
  bool retrograde;
};

// One chart: its inputs, the computed moment and positions, and what is
// derived from them. A value: many can exist at once.
struct Chart {
  ChartInput input;
  double julian_day;                   // Julian day number + UT / 24
  std::int32_t positions[body_count];  // sidereal arc-minutes, 0 to 21599
  std::int32_t speeds[body_count];     // arc-seconds per day, truncated
  bool backward[body_count];           // the motion before its truncation below 0
  BodyFacts bodies[body_count];
  DashaSequence dashas;  // from the chart moment on
};

// The chart of the inputs' date, time, zone and coordinates. Pure.
Chart chart_of(const ChartInput& input);

// T of the ephemeris: Julian centuries of Universal Time from J2000.0 at a
// moment on the julian_day scale.
double centuries_of(double julian_day);

// Fills bodies and dashas from julian_day, positions and backward.
void derive_chart_facts(Chart& chart);

// Sidereal arc-minutes, 0 to 21599, from a tropical longitude and the
// (negative) ayanamsha in degrees, each rounded down to its whole
// arc-minute: a negative sum (the last degrees of Pisces) as well.
int sidereal_minutes(double tropical_degrees, double ayanamsha_degrees);

// Ketu's arc-minutes from Rahu's: exactly opposite. Each rounded from its own
// longitude, the two could fall either side of an arc-minute by a last bit.
int ketu_minutes(int rahu_minutes);

// Whole arc-seconds per day, truncated toward zero: a tiny backward motion
// shows as 0, and is still marked retrograde (Chart::backward).
int motion_arc_seconds(double degrees_per_day);

// The chart's bodies standing in a sign, in body order, which is the order of
// their slots in both house diagrams; returns how many.
int bodies_in_sign(const Chart& chart, int sign, int (&bodies)[body_count]);
