#pragma once

#include "app/chart_names.h"
#include "chart/body_state.h"

// What a search that steps over minutes needs to know of a body's chart
// position: how fast it can move, and where its whole arc-minutes stand.

// How fast each body's computed longitude (degrees a day) and computed
// motion (degrees a day, per day) can change anywhere from 1600 to 2400: the
// largest values the ephemeris gives over those years, sampled every hour
// (the Moon and the nodes) or six hours. A search may step over minutes only
// where these, half as much again, prove that nothing watched can change and
// change back in between.
struct MotionBound {
  double degrees_per_day;
  double motion_change_per_day;
};
extern const MotionBound MotionBounds[body_count];
constexpr double bound_margin = 1.5;

// Arc-minutes of position per minute of time, with the margin.
double position_rate(int body);

// The chart truncates the sidereal longitude toward zero: a sum of tropical
// longitude and ayanamsha at or above 0 is rounded down to its arc-minute, a
// negative one (a tropical longitude below the ayanamsha) is rounded up, so
// there a segment begins one arc-minute early. Which rounding applies changes
// only where the sum crosses 0 or where the tropical longitude turns from 360
// to 0; near those the whole part may shift by one arc-minute.
struct PositionPoint {
  double point;  // the chart's position is its whole part, round 21600
  double turn;   // arc-minutes from the nearest place where the rounding changes
};
PositionPoint position_point(const BodyState& state);
