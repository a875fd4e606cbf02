#include "chart/position_steps.h"

#include <algorithm>
#include <cmath>

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
  return MotionBounds[body].degrees_per_day * bound_margin * 60 / 1440;
}

namespace {
double circular_distance(double a, double b) {
  const double d = std::fabs(std::fmod(a - b, 21600.0));
  return std::min(d, 21600.0 - d);
}
}  // namespace

PositionPoint position_point(const BodyState& state) {
  const double reduced = std::fmod(state.sidereal, 360.0);
  const bool rounds_up = reduced < 0;
  const double circle = (rounds_up ? reduced + 360.0 : reduced) * 60.0;  // 0 to 21600
  const double turn =
      std::min(circular_distance(circle, 0.0),
               circular_distance(circle, (360.0 + state.ayanamsha) * 60.0));
  return {rounds_up ? circle + 1.0 : circle, turn};
}
