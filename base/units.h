#pragma once

#include <cmath>
#include <cstdint>

// The units a chart is counted in, each defined once.

// The zodiac in whole arc-minutes: a chart's positions run from 0 to
// arc_minutes_per_circle - 1.
constexpr int arc_minutes_per_degree = 60;
constexpr int arc_minutes_per_circle = 360 * arc_minutes_per_degree;    // 21600
constexpr int arc_minutes_per_sign = 30 * arc_minutes_per_degree;       // 1800
constexpr int arc_minutes_per_nakshatra = arc_minutes_per_circle / 27;  // 13°20', 800
constexpr int arc_minutes_per_navamsha = arc_minutes_per_sign / 9;      // 3°20', 200
constexpr int degrees_per_sign = 30;
constexpr int signs_per_circle = 12;

constexpr double degrees_per_circle = 360.0;
// A chart's daily motions are whole arc-seconds a day.
constexpr double arc_seconds_per_degree = 3600.0;

// Time.
constexpr int minutes_per_hour = 60;
constexpr int hours_per_day = 24;
constexpr std::int64_t seconds_per_minute = 60;
constexpr std::int64_t seconds_per_hour = 3600;
constexpr std::int64_t seconds_per_day = 86400;

// Degrees into one turn, 0 <= value < 360: fmod keeps the sign of its first
// argument, so a negative remainder gains one turn.
inline double wrap_degrees(double degrees) {
  double value = std::fmod(degrees, degrees_per_circle);
  if (value < 0.0) value = value + degrees_per_circle;
  return value;
}
