#pragma once

#include <functional>
#include <vector>

#include "chart/chart.h"
#include "chart/panchanga_limbs.h"
#include "chart/sunrise.h"
#include "ephemeris/time_and_calendar.h"

// The Hindu day begins at sunrise: a moment before sunrise belongs to the
// day before. Where the Sun does not rise, the day begins at local midnight.

// 0 Sunday to 6 Saturday: the weekday of a Julian day number.
int weekday_of(UtMinute day_number);

// The panchanga at a chart's moment: the limbs its Sun and Moon show, each
// with its end, and the vara, sunrise and sunset of the Hindu day holding the
// moment.
struct Panchanga {
  LimbSpan limbs[limb_count];  // by Limb
  int pada;                    // 1 to 4, of the Moon's nakshatra
  int vara;                    // 0 Sunday to 6 Saturday
  SunTimes sun;
  SunriseRule rule;
};

// At the chart's place (input.longitude, input.latitude) in its zone: the
// local date and time its input gives for the chart's UT minute. Pure.
Panchanga panchanga_of(const Chart& chart, SunriseRule rule);

// Minutes east of Universal Time that a zone gives at a UT minute.
using ZoneMinutesEast = std::function<int(UtMinute)>;

// The first UT minute of a local civil day (its Julian day number): its
// midnight, or where the clocks jump over midnight, the jump.
UtMinute local_midnight(UtMinute day_number, const ZoneMinutesEast& zone);

// One local civil day of a listing, and its Hindu day, which runs from start
// up to the next day's start.
struct PanchangaDay {
  CivilDate date;
  int vara;        // 0 Sunday to 6 Saturday
  UtMinute start;  // the first minute from sunrise, or local midnight
  SunTimes sun;
  // For each limb, every number in force from start up to the next day's
  // start, in order, each with its end (the last one's past the day).
  std::vector<LimbSpan> limbs[limb_count];
};

struct PanchangaDays {
  SunriseRule rule;
  std::vector<PanchangaDay> days;
};

// The days from first up to, not including, last at a place, in a zone whose
// offset may change between them.
PanchangaDays panchanga_days(const CivilDate& first, const CivilDate& last,
                             const GeoPlace& place, const ZoneMinutesEast& zone,
                             SunriseRule rule);
