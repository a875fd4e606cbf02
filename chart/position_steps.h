#pragma once

#include "base/chart_names.h"
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

// Arc-seconds a day of motion per minute of time, with the margin.
double motion_rate(int body);

// The body's point on the circle, 0 to 21600 arc-minutes: the chart rounds
// every sidereal longitude down to its arc-minute and then takes it round
// the circle, so its position is this point's whole part, and a segment
// changes exactly where the point crosses a multiple of the segment's size.
// The point moves continuously: the tropical turn from 360 to 0 and the
// sum's sign leave it in place.
double circle_point(const BodyState& state);
