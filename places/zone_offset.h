#pragma once

#include <string>

#include "base/chart_input.h"
#include "places/zone_history.h"

// Which of the two offsets a local time that happened twice takes.
enum ZoneFold : int { fold_refused = 0, fold_earlier, fold_later };

// A zone asked about a chart's local date and time.
struct ZoneQuery {
  const std::string& zone;  // IANA name, as typed
  const ChartInput& chart;  // its date, time and longitude
  ZoneFold fold;
  bool longitude_known;  // whether the chart's longitude is the place's
};

// The offset from Universal Time that a time zone gives at a chart's local
// date and time.
struct ZoneOffset {
  int minutes = 0;               // east positive, whole minutes as a chart holds them
  long database_seconds = 0;     // the database's own offset
  std::string abbreviation;      // the database's: "IST", "+0630", "LMT"
  bool local_mean_time = false;  // the place's own, where the zone gives LMT
};

// What the database answers. Every outcome but found says why in message;
// failed is the database's fault, the others the query's.
struct ZoneAnswer {
  enum Outcome {
    found,            // offset
    twice,            // the time happened twice and no fold chose: offset, later
    never,            // the clocks went forward over the time
    unknown,          // no such zone (message gives the nearest names) or too long
    beyond_chart,     // an offset past 12:59
    needs_longitude,  // local mean time at an unknown longitude
    failed            // no database, or a zone file that cannot be read
  } outcome = failed;
  std::string zone;  // the database's name for it
  ZoneOffset offset;
  ZoneOffset later;
  std::string tzdata;  // the database's version
  std::string message;
};

// A zone read once, for its offsets at many moments of Universal Time.
struct ZoneClock {
  std::string zone;  // the database's name
  ZoneHistory history;
};

// Reads the typed zone from the system's tzdata, matched as zone_offset_at
// matches it: found, or unknown or failed, with the message.
ZoneAnswer open_zone_clock(const std::string& typed, ZoneClock& clock);

// Seconds east of Greenwich in force at a Universal Time, in seconds since
// 1970.
long zone_offset_at_universal(const ZoneClock& clock, long long universal_seconds);

// The offset of the query's zone at the chart's local date and time, from
// the system's tzdata. A time that happened twice takes the query's fold;
// where the zone gives local mean time, the offset is that of the chart's
// longitude, to the whole minute; other offsets round to the minute.
ZoneAnswer zone_offset_at(const ZoneQuery& query);

// Minutes east as --utc-offset takes them: "+05:30", "-07:00".
std::string utc_offset_text(int minutes);

// Seconds east, with the seconds when there are any: "+05:21:10", "+05:30".
std::string seconds_offset_text(long seconds);

// "-04:00 (EDT)": the database's offset and abbreviation.
std::string zone_offset_text(const ZoneOffset& offset);
