#pragma once

#include <cstdint>
#include <optional>

#include "chart/ut_minute.h"

// A moment of Universal Time to the whole second: a UtMinute times 60 plus
// the second.
using UtSecond = std::int64_t;

// The minute a second is written as: the nearest, half a minute up.
UtMinute nearest_minute(UtSecond second);

// The first whole minute at or after the second.
UtMinute minute_from(UtSecond second);

// When the Sun rises and sets. Centre: the centre of its disc on the
// horizon, without refraction, as most Vedic programs take it. Limb: the
// upper limb, with 34' of refraction and 16' of semi-diameter, as printed
// almanacs and most weather services do.
enum SunriseRule : int { centre_rule = 0, limb_rule };

// A place as ChartInput holds it: degrees, longitude West positive and
// latitude North positive.
struct GeoPlace {
  double longitude;
  double latitude;
};

// Each the first whole second at which the Sun, from the program's own
// ephemeris, stands at or above (sunrise) or below (sunset) the rule's
// altitude, the second before it being on the other side.
struct SunTimes {
  std::optional<UtSecond> sunrise;  // none where the Sun does not rise that day
  std::optional<UtSecond> sunset;   // none where it does not set
};

// The sunrise and sunset of the local civil day that runs from UT minute
// day_start (its local midnight) up to day_end (the next one). The sunrise is
// the first within the day; the sunset the first within a day after it, so
// that a summer sunset past midnight, far north, is that day's, or where the
// Sun does not rise, the first within the day.
SunTimes sun_times(UtMinute day_start, UtMinute day_end, const GeoPlace& place,
                   SunriseRule rule);
