#include "chart/panchanga.h"

#include "base/chart_names.h"
#include "chart/body_state.h"

namespace {

UtMinute day_number_of(const CivilDate& date) {
  return static_cast<UtMinute>(julian_day_number(date.month, date.day, date.year));
}

// A local civil day with its sunrise and sunset.
struct DayFrame {
  UtMinute day_number;
  UtMinute start;  // of the Hindu day
  SunTimes sun;
};

DayFrame day_frame(UtMinute day_number, const GeoPlace& place,
                   const ZoneMinutesEast& zone, SunriseRule rule) {
  const UtMinute midnight = local_midnight(day_number, zone);
  const SunTimes sun =
      sun_times(midnight, local_midnight(day_number + 1, zone), place, rule);
  return {day_number, sun.sunrise ? minute_from(*sun.sunrise) : midnight, sun};
}

// The minute's chart numbers of the limbs.
void limb_numbers(int sun, int moon, int (&numbers)[limb_count]) {
  for (int limb = 0; limb < limb_count; ++limb)
    numbers[limb] = limb_number(static_cast<Limb>(limb), sun, moon);
}

}  // namespace

int weekday_of(UtMinute day_number) { return static_cast<int>((day_number + 1) % 7); }

UtMinute local_midnight(UtMinute day_number, const ZoneMinutesEast& zone) {
  // The first minute whose local time has reached the day's: no zone is a
  // day away from Universal Time.
  const UtMinute midnight = day_number * minutes_per_day;
  UtMinute low = midnight - minutes_per_day;
  UtMinute high = midnight + minutes_per_day;
  while (high - low > 1) {
    const UtMinute middle = low + (high - low) / 2;
    (middle + zone(middle) >= midnight ? high : low) = middle;
  }
  return high;
}

Panchanga panchanga_of(const Chart& chart, SunriseRule rule) {
  const ChartInput& input = chart.input;
  const UtMinute moment = ut_minute_of_day_count(chart.julian_day);
  const int east = static_cast<int>(
      ut_minute_of(input.year, input.month, input.day, input.hour, input.minute) -
      moment);
  const ZoneMinutesEast zone = [east](UtMinute) { return east; };
  const GeoPlace place{input.longitude, input.latitude};
  DayFrame day = day_frame((moment + east) / minutes_per_day, place, zone, rule);
  if (moment < day.start) day = day_frame(day.day_number - 1, place, zone, rule);

  const int sun = chart.positions[sun_body];
  const int moon = chart.positions[moon_body];
  int numbers[limb_count];
  limb_numbers(sun, moon, numbers);
  const LimbSpans spans = limb_spans(moment, numbers, moment + 1);
  Panchanga panchanga{};
  for (int limb = 0; limb < limb_count; ++limb)
    panchanga.limbs[limb] = spans.limbs[limb][0];
  panchanga.pada = nakshatra_pada(moon);
  panchanga.vara = weekday_of(day.day_number);
  panchanga.sun = day.sun;
  panchanga.rule = rule;
  return panchanga;
}

PanchangaDays panchanga_days(const CivilDate& first, const CivilDate& last,
                             const GeoPlace& place, const ZoneMinutesEast& zone,
                             SunriseRule rule) {
  PanchangaDays listing{rule, {}};
  const UtMinute first_day = day_number_of(first);
  const UtMinute end_day = day_number_of(last);
  if (end_day <= first_day) return listing;
  std::vector<DayFrame> frames;
  for (UtMinute day = first_day; day <= end_day; ++day)
    frames.push_back(day_frame(day, place, zone, rule));

  const UtMinute start = frames.front().start;
  int numbers[limb_count];
  limb_numbers(body_state_at(sun_body, start).position,
               body_state_at(moon_body, start).position, numbers);
  const LimbSpans spans = limb_spans(start, numbers, frames.back().start);
  for (std::size_t i = 0; i + 1 < frames.size(); ++i) {
    const DayFrame& frame = frames[i];
    const UtMinute next_start = frames[i + 1].start;
    PanchangaDay day{civil_date_of(static_cast<double>(frame.day_number)),
                     weekday_of(frame.day_number),
                     frame.start,
                     frame.sun,
                     {}};
    for (int limb = 0; limb < limb_count; ++limb) {
      UtMinute span_start = start;
      for (const LimbSpan& span : spans.limbs[limb]) {
        if (span.end > frame.start && span_start < next_start)
          day.limbs[limb].push_back(span);
        span_start = span.end;
      }
    }
    listing.days.push_back(day);
  }
  return listing;
}
