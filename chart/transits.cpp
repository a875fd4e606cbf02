#include "chart/transits.h"

#include <algorithm>
#include <cmath>

#include "base/chart_names.h"
#include "base/units.h"
#include "chart/body_state.h"
#include "chart/position_derivations.h"
#include "chart/position_steps.h"

namespace {

// The computed motion may differ from the true one by rounding.
constexpr double motion_slack = 0.01;

// As the chart marks it: the motion itself below 0, however slowly.
bool marked_retrograde(const BodyState& state) { return state.motion < 0; }

// Arc-minutes from p to the nearest multiple of size round the circle.
double room_to_boundary(double p, int size) {
  const double into = std::fmod(p, size);
  return std::min(into, size - into);
}

// Minutes from a state within which nothing watched can change: at least 1.
//
// A sign or nakshatra changes exactly where the body's point on the circle
// crosses a multiple of the segment's size (circle_point). While it lies
// farther from every boundary than the bound on its motion, no segment can
// change and change back. Ketu's arc-minute is taken from Rahu's, a point
// that differs from Ketu's own by last bits only, far inside the bound's
// margin.
UtMinute safe_minutes(int body, unsigned watch, const BodyState& state) {
  const double circle = circle_point(state);
  double room = 1e12;
  if (watch & watch_sign)
    room = std::min(room, room_to_boundary(circle, arc_minutes_per_sign));
  if (watch & watch_nakshatra)
    room = std::min(room, room_to_boundary(circle, arc_minutes_per_nakshatra));
  const double rate = position_rate(body);
  double minutes = room / rate;
  if (watch & watch_stations) {
    // The mark changes only where the motion crosses 0.
    const double to_threshold = std::fabs(state.motion) - motion_slack;
    minutes = std::min(minutes, to_threshold / motion_rate(body));
  }
  return minutes < 2 ? 1 : static_cast<UtMinute>(minutes);
}

void compare(int body, unsigned watch, UtMinute minute, const BodyState& before,
             const BodyState& after, std::vector<TransitEvent>& events) {
  if ((watch & watch_sign) && sign_of(before.position) != sign_of(after.position)) {
    events.push_back(
        {minute, body, sign_ingress, sign_of(before.position), sign_of(after.position)});
  }
  if ((watch & watch_nakshatra) &&
      nakshatra_of(before.position) != nakshatra_of(after.position)) {
    events.push_back({minute, body, nakshatra_ingress, nakshatra_of(before.position),
                      nakshatra_of(after.position)});
  }
  if ((watch & watch_stations) && marked_retrograde(before) != marked_retrograde(after)) {
    events.push_back({minute, body,
                      marked_retrograde(after) ? retrograde_station : direct_station, 0,
                      0});
  }
}

bool has_stations(int body) { return body >= mars_body && body <= saturn_body; }

}  // namespace

std::vector<TransitEvent> body_transits(int body, unsigned watch, UtMinute first,
                                        UtMinute end) {
  if (!has_stations(body)) watch &= ~static_cast<unsigned>(watch_stations);
  std::vector<TransitEvent> events;
  UtMinute minute = first - 1;
  BodyState state = body_state_at(body, minute);
  while (minute + 1 < end) {
    const UtMinute step = std::min(safe_minutes(body, watch, state), end - 1 - minute);
    const BodyState next = body_state_at(body, minute + step);
    // Over a longer step nothing can have changed.
    if (step == 1) compare(body, watch, minute + 1, state, next, events);
    minute += step;
    state = next;
  }
  return events;
}

std::vector<TransitEvent> find_transits(UtMinute first, UtMinute end, bool nakshatras) {
  const unsigned watch =
      watch_sign | watch_stations | (nakshatras ? watch_nakshatra : 0u);
  std::vector<TransitEvent> events;
  for (int body = sun_body; body < body_count; ++body) {
    const std::vector<TransitEvent> found = body_transits(body, watch, first, end);
    events.insert(events.end(), found.begin(), found.end());
  }
  std::stable_sort(
      events.begin(), events.end(),
      [](const TransitEvent& a, const TransitEvent& b) { return a.minute < b.minute; });
  return events;
}
