#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "places/zone_rule.h"

// A stretch of time with one offset from Universal Time.
struct ZonePeriod {
  long long begin = 0;  // Universal Time, seconds since 1970; the first in force
  long long end = 0;    // the first no longer in force
  long offset = 0;      // seconds east of Greenwich
  std::string abbreviation;
};

// A zone's history as its TZif file (RFC 8536) gives it: the listed periods
// from the beginning of time, and the rule for the time after the last one.
struct ZoneHistory {
  std::vector<ZonePeriod> periods;  // the last runs to the end of time
  bool has_rule = false;
  ZoneRule rule;
};

// The history in a TZif file of version 2 or later; false, error saying
// why, for anything else.
bool read_zone_history(std::string_view bytes, ZoneHistory& history, std::string& error);

// How a local time falls in a zone: in one period, in two (the clocks went
// back over it) or in none (they went forward over it).
struct LocalPeriods {
  enum Kind { once, twice, never } kind = once;
  ZonePeriod first;   // once: the period; twice: the earlier; never: before the gap
  ZonePeriod second;  // twice: the later; never: after the gap
};

// local_seconds: the local date and time as seconds since 1970-01-01 00:00.
LocalPeriods local_periods(const ZoneHistory& history, long long local_seconds);

// The period in force at a Universal Time, in seconds since 1970.
ZonePeriod period_at_universal(const ZoneHistory& history, long long universal_seconds);
