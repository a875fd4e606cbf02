#pragma once

#include <string>

#include "app/chart_input.h"

// Which of the two offsets a local time that happened twice takes.
enum ZoneFold : int { fold_refused = 0, fold_earlier, fold_later };

// A zone asked about a chart's local date and time.
struct ZoneQuery {
  const std::string& zone;  // IANA name
  const ChartInput& chart;  // its date, time and longitude
  ZoneFold fold;
};

// The offset from Universal Time that a time zone gives at a chart's local
// date and time.
struct ZoneOffset {
  int minutes = 0;               // east positive, whole minutes as a chart holds them
  long database_seconds = 0;     // the database's own offset
  std::string abbreviation;      // the database's: "IST", "+0630", "LMT"
  bool local_mean_time = false;  // the place's own, where the zone gives LMT
};

// The offset of the query's zone at the chart's local date and time, from
// the system's tzdata, as a print status. A time that happened twice takes
// the query's fold; where the zone gives local mean time, the offset is that
// of the chart's longitude. Refused for an unknown name (error gives the nearest
// names), a time that happened twice without a fold or never happened, and
// an offset beyond 12:59; failed when the database cannot be read.
int zone_offset_at(const ZoneQuery& query, ZoneOffset& offset, std::string& error);

// The version of the system's time-zone database, e.g. "2026f".
std::string tzdata_version();

// Minutes east as --utc-offset takes them: "+05:30", "-07:00".
std::string utc_offset_text(int minutes);

// Seconds east, with the seconds when there are any: "+05:21:10", "+05:30".
std::string seconds_offset_text(long seconds);
