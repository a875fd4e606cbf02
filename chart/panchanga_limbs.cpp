#include "chart/panchanga_limbs.h"

#include <algorithm>
#include <cmath>

#include "base/units.h"
#include "chart/body_state.h"
#include "chart/position_derivations.h"
#include "chart/position_steps.h"

namespace {

// Each limb is a segment of the Moon's longitude plus sun_factor times the
// Sun's, round the circle of 21600 arc-minutes.
struct LimbRule {
  int sun_factor;
  int segment;  // arc-minutes
};
// A tithi is 12 degrees of the Moon from the Sun, a karana half of one; a
// yoga is a nakshatra's span of their sum.
const LimbRule LimbRules[limb_count] = {{-1, 12 * arc_minutes_per_degree},
                                        {0, arc_minutes_per_nakshatra},
                                        {1, arc_minutes_per_nakshatra},
                                        {-1, 6 * arc_minutes_per_degree}};

constexpr int circle = arc_minutes_per_circle;
constexpr double half_circle = circle / 2.0;

// Minutes from the bodies' points on the circle within which the limb's
// number cannot change: at least 1. The chart's number is that of
// floor(moon) plus sun_factor times floor(sun), which lies within one
// arc-minute of the points' combination, on the side the Sun's sign gives.
double limb_safe_minutes(Limb limb, int number, double sun, double moon) {
  const LimbRule& rule = LimbRules[limb];
  const double combined = moon + rule.sun_factor * sun;
  double into = std::fmod(combined - (number - 1) * rule.segment, circle);
  if (into < -half_circle) into += circle;
  if (into >= half_circle) into -= circle;
  const double below = rule.sun_factor > 0 ? 1 : 0;
  const double above = rule.sun_factor < 0 ? 1 : 0;
  const double room = std::min(into - below, rule.segment - above - into);
  const double rate =
      position_rate(moon_body) + (rule.sun_factor != 0 ? position_rate(sun_body) : 0.0);
  return room / rate;
}

}  // namespace

int limb_number(Limb limb, int sun, int moon) {
  if (limb == nakshatra_limb) return nakshatra_of(moon) + 1;
  const LimbRule& rule = LimbRules[limb];
  const int combined = ((moon + rule.sun_factor * sun) % circle + circle) % circle;
  return combined / rule.segment + 1;
}

int next_limb_number(Limb limb, int number) {
  return number % (circle / LimbRules[limb].segment) + 1;
}

int nakshatra_pada(int moon) {
  return moon % arc_minutes_per_nakshatra / (arc_minutes_per_nakshatra / 4) + 1;
}

LimbSpans limb_spans(UtMinute first, const int (&numbers)[limb_count], UtMinute until) {
  LimbSpans spans;
  int running[limb_count];  // the number of the span not yet ended
  int shown[limb_count];    // by the chart of the minute reached
  bool open[limb_count];
  for (int limb = 0; limb < limb_count; ++limb) {
    running[limb] = shown[limb] = numbers[limb];
    open[limb] = true;
  }
  int open_count = limb_count;
  UtMinute minute = first;
  BodyState sun = body_state_at(sun_body, minute);
  BodyState moon = body_state_at(moon_body, minute);
  while (open_count > 0) {
    // A number given that the minute's own chart does not show leaves no
    // room, so the next minute is always compared with it.
    double minutes = 1e12;
    const double sun_point = circle_point(sun);
    const double moon_point = circle_point(moon);
    for (int limb = 0; limb < limb_count; ++limb) {
      if (open[limb])
        minutes =
            std::min(minutes, limb_safe_minutes(static_cast<Limb>(limb), shown[limb],
                                                sun_point, moon_point));
    }
    const UtMinute step = minutes < 2 ? 1 : static_cast<UtMinute>(minutes);
    minute += step;
    sun = body_state_at(sun_body, minute);
    moon = body_state_at(moon_body, minute);
    // Over a longer step nothing can have changed.
    if (step > 1) continue;
    for (int limb = 0; limb < limb_count; ++limb) {
      if (!open[limb]) continue;
      const Limb which = static_cast<Limb>(limb);
      const int now = limb_number(which, sun.position, moon.position);
      if (shown[limb] == running[limb] && now == next_limb_number(which, running[limb])) {
        spans.limbs[limb].push_back({running[limb], minute});
        running[limb] = now;
        if (minute >= until) {
          open[limb] = false;
          --open_count;
        }
      }
      shown[limb] = now;
    }
  }
  return spans;
}
