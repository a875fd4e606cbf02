#include "chart/position_steps.h"

#include <cmath>

#include "base/units.h"

const MotionBound MotionBounds[body_count] = {
    {0, 0},             // the ascendant is never watched
    {1.0201, 0.00066},  // Sun
    {15.400, 0.519},    // Moon
    {0.7916, 0.0152},   // Mars
    {2.2034, 0.1987},   // Mercury
    {0.2428, 0.0036},   // Jupiter
    {1.2590, 0.0425},   // Venus
    {0.1307, 0.0020},   // Saturn
    {0.2573, 0.0549},   // Rahu
    {0.2573, 0.0549},   // Ketu
};

double position_rate(int body) {
  return MotionBounds[body].degrees_per_day * bound_margin * arc_minutes_per_degree /
         static_cast<double>(minutes_per_day);
}

double motion_rate(int body) {
  return MotionBounds[body].motion_change_per_day * bound_margin *
         arc_seconds_per_degree / static_cast<double>(minutes_per_day);
}

double circle_point(const BodyState& state) {
  return wrap_degrees(state.sidereal) * arc_minutes_per_degree;
}
