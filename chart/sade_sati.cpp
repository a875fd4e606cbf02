#include "chart/sade_sati.h"

#include "chart/body_state.h"
#include "chart/position_derivations.h"
#include "chart/transits.h"

namespace {
constexpr UtMinute years_100 = 36525 * minutes_per_day;
// Saturn leaves any three signs within about eight years.
constexpr UtMinute search_step = 3653 * minutes_per_day;
}  // namespace

std::vector<SadeSatiStretch> sade_sati(const Chart& chart) {
  const int moon_sign = chart.bodies[moon_body].sign;
  auto in_stretch = [moon_sign](int sign) {
    const int counted = (sign - moon_sign + 12) % 12;  // 0: the Moon's own sign
    return counted == 11 || counted == 0 || counted == 1;
  };
  const UtMinute birth = ut_minute_of_day_count(chart.julian_day);
  std::vector<SadeSatiStretch> stretches;
  bool open = in_stretch(sign_of(body_state_at(saturn_body, birth).position));
  if (open) stretches.push_back({birth, 0});
  UtMinute from = birth + 1;
  UtMinute until = birth + years_100 + 1;
  // Past the 100 years only to close the stretch still running.
  while (from < until) {
    for (const TransitEvent& event :
         body_transits(saturn_body, watch_sign, from, until)) {
      if (!open && in_stretch(event.to) && event.minute <= birth + years_100) {
        stretches.push_back({event.minute, 0});
        open = true;
      } else if (open && !in_stretch(event.to)) {
        stretches.back().end = event.minute;
        open = false;
      }
    }
    from = until;
    until = open ? until + search_step : from;
  }
  return stretches;
}
