#include "places/zone_offset.h"

#include <date/date.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/units.h"
#include "places/query_text.h"
#include "places/zone_database.h"

namespace {

constexpr long largest_chart_offset = 12 * 60 + 59;  // minutes: zone hours 0 to 12

long long local_seconds_of(const ChartInput& chart) {
  const date::sys_days day{date::year{chart.year} / chart.month / chart.day};
  return static_cast<long long>(day.time_since_epoch().count()) * seconds_per_day +
         chart.hour * seconds_per_hour + chart.minute * seconds_per_minute;
}

std::string local_text(const ChartInput& chart) {
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", chart.year, chart.month,
                chart.day, chart.hour, chart.minute);
  return text;
}

// "02:00": the local clock at a Universal Time in a period.
std::string clock_text(long long universal, long offset) {
  const long long local = universal + offset;
  const long long of_day = (local % seconds_per_day + seconds_per_day) % seconds_per_day;
  char text[16];
  std::snprintf(text, sizeof text, "%02lld:%02lld", of_day / seconds_per_hour,
                of_day / seconds_per_minute % minutes_per_hour);
  return text;
}

ZoneOffset offset_of(const ZonePeriod& period, const ChartInput& chart) {
  ZoneOffset offset;
  offset.database_seconds = period.offset;
  offset.abbreviation = period.abbreviation;
  offset.local_mean_time = period.abbreviation == "LMT";
  offset.minutes = static_cast<int>(nearest_whole_minutes(period.offset));
  if (offset.local_mean_time) {
    // The sun's mean time at the place: 4 minutes of time per degree east.
    const long east = -signed_minutes(longitude_angle(chart));
    offset.minutes = static_cast<int>(std::lround(static_cast<double>(east) / 15.0));
  }
  return offset;
}

// The answer for the one period of the time: its offset, if a chart can
// take it.
void answer_period(const ZonePeriod& period, const ZoneQuery& query, ZoneAnswer& answer) {
  answer.offset = offset_of(period, query.chart);
  const std::string when = local_text(query.chart) + " in " + answer.zone;
  if (answer.offset.local_mean_time && !query.longitude_known) {
    answer.outcome = ZoneAnswer::needs_longitude;
    answer.message =
        when + " is local mean time (LMT), which needs the place's longitude";
  } else if (std::labs(answer.offset.minutes) > largest_chart_offset) {
    answer.outcome = ZoneAnswer::beyond_chart;
    answer.message = answer.zone + " gives " + zone_offset_text(answer.offset) + " at " +
                     local_text(query.chart) + ": a chart holds offsets up to 12:59";
  } else {
    answer.outcome = ZoneAnswer::found;
  }
}

void answer_local_time(const LocalPeriods& periods, const ZoneQuery& query,
                       ZoneAnswer& answer) {
  const std::string when = local_text(query.chart) + " in " + answer.zone;
  const ZoneOffset first = offset_of(periods.first, query.chart);
  const ZoneOffset second = offset_of(periods.second, query.chart);
  if (periods.kind == LocalPeriods::once) {
    answer_period(periods.first, query, answer);
  } else if (periods.kind == LocalPeriods::never) {
    // The clock read the same instant before and after the change.
    const long long change = periods.first.end;
    answer.outcome = ZoneAnswer::never;
    answer.message = when + " never happened: the clocks went forward from " +
                     clock_text(change, periods.first.offset) + " to " +
                     clock_text(change, periods.second.offset) + ", " +
                     zone_offset_text(first) + " to " + zone_offset_text(second);
  } else if (query.fold == fold_refused) {
    answer.outcome = ZoneAnswer::twice;
    answer.offset = first;
    answer.later = second;
    answer.message = when + " happened twice, at " + zone_offset_text(first) +
                     " and then at " + zone_offset_text(second);
  } else {
    answer_period(query.fold == fold_earlier ? periods.first : periods.second, query,
                  answer);
  }
}

}  // namespace

ZoneAnswer open_zone_clock(const std::string& typed, ZoneClock& clock) {
  ZoneAnswer answer;
  if (typed.size() > longest_query) {
    answer.outcome = ZoneAnswer::unknown;
    answer.message = too_long_message("time-zone name", typed);
    return answer;
  }
  ZoneDatabase database;
  if (!read_zone_database(database, answer.message)) return answer;
  answer.tzdata = database.version;
  if (!match_zone_name(database, typed, answer.zone)) {
    answer.outcome = ZoneAnswer::unknown;
    answer.message = "unknown time zone " + quoted_query(typed) +
                     "; nearest: " + nearest_zone_names(database, typed);
    return answer;
  }
  if (!read_zone_file(database, answer.zone, clock.history, answer.message))
    return answer;
  clock.zone = answer.zone;
  answer.outcome = ZoneAnswer::found;
  return answer;
}

long zone_offset_at_universal(const ZoneClock& clock, long long universal_seconds) {
  return period_at_universal(clock.history, universal_seconds).offset;
}

ZoneAnswer zone_offset_at(const ZoneQuery& query) {
  ZoneClock clock;
  ZoneAnswer answer = open_zone_clock(query.zone, clock);
  if (answer.outcome != ZoneAnswer::found) return answer;
  answer_local_time(local_periods(clock.history, local_seconds_of(query.chart)), query,
                    answer);
  return answer;
}

std::string utc_offset_text(int minutes) {
  char text[16];
  std::snprintf(text, sizeof text, "%c%02d:%02d", minutes < 0 ? '-' : '+',
                std::abs(minutes) / minutes_per_hour,
                std::abs(minutes) % minutes_per_hour);
  return text;
}

std::string seconds_offset_text(long seconds) {
  const long size = std::labs(seconds);
  if (size % seconds_per_minute == 0)
    return utc_offset_text(static_cast<int>(seconds / seconds_per_minute));
  char text[32];
  std::snprintf(text, sizeof text, "%c%02ld:%02ld:%02ld", seconds < 0 ? '-' : '+',
                size / seconds_per_hour, size / seconds_per_minute % minutes_per_hour,
                size % seconds_per_minute);
  return text;
}

std::string zone_offset_text(const ZoneOffset& offset) {
  return seconds_offset_text(offset.database_seconds) + " (" + offset.abbreviation + ")";
}
