#include "cli/time_zone.h"

#include <date/tz.h>
// ptz.h says hh_mm_ss where date's and C++20's are both in sight; a name in
// its own namespace is found before either.
namespace Posix {
template <class Duration>
using hh_mm_ss = date::hh_mm_ss<Duration>;
}  // namespace Posix
#include <date/ptz.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "cli/closest_names.h"
#include "cli/print_status.h"

namespace {

// Debian's tzdata, which the library reads as the system's database.
const std::string zoneinfo_dir = "/usr/share/zoneinfo";
constexpr long largest_chart_offset = 12 * 60 + 59;  // minutes: zone hours 0 to 12
constexpr std::size_t nearest_count = 5;
// A period that runs past the chart's last year has no change listed after it.
const date::sys_days beyond_chart_years{date::year{2401} / 1 / 1};

// Half a minute rounds away from zero, either side of Greenwich.
long whole_minutes(long seconds) {
  return std::lround(static_cast<double>(seconds) / 60);
}

std::string local_text(const ZoneQuery& query) {
  const ChartInput& chart = query.chart;
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", chart.year, chart.month,
                chart.day, chart.hour, chart.minute);
  return text;
}

std::string offset_and_abbreviation(const date::sys_info& info) {
  return seconds_offset_text(static_cast<long>(info.offset.count())) + " (" +
         info.abbrev + ")";
}

// The TZif file's last line: the POSIX rule for the times after its last
// listed change. The library reads only the listed changes, which Debian's
// files give up to 2037.
std::string posix_rule_of(const std::string& zone) {
  std::ifstream file(zoneinfo_dir + "/" + zone, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), {}};
  if (bytes.size() < 2 || bytes.back() != '\n') return {};
  const std::size_t start = bytes.rfind('\n', bytes.size() - 2);
  if (start == std::string::npos) return {};
  return bytes.substr(start + 1, bytes.size() - start - 2);
}

date::local_info local_info_at(const date::time_zone& zone, date::local_seconds local) {
  date::local_info listed = zone.get_info(local);
  if (listed.result != date::local_info::unique || listed.first.end < beyond_chart_years)
    return listed;
  const std::string rule = posix_rule_of(zone.name());
  if (rule.empty()) return listed;
  try {
    return Posix::time_zone(rule).get_info(local);
  } catch (const std::exception&) {
    return listed;  // a rule the library cannot read: the last listed offset
  }
}

std::string nearest_zone_names(const date::tzdb& database, const std::string& name) {
  std::vector<int> distances;
  for (const date::time_zone& zone : database.zones) {
    const std::string_view full = zone.name();
    const std::string_view city = full.substr(full.rfind('/') + 1);
    distances.push_back(std::min(edit_distance(full, name), edit_distance(city, name)));
  }
  std::string names;
  for (std::size_t index : nearest_first(distances, nearest_count))
    names += (names.empty() ? " " : ", ") + database.zones[index].name();
  return names;
}

// The period of a time that happened once, or why there is none.
bool choose_period(const date::local_info& info, const ZoneQuery& query,
                   date::sys_info& period, std::string& error) {
  const std::string when = local_text(query) + " in " + query.zone;
  switch (info.result) {
    case date::local_info::unique:
      period = info.first;
      return true;
    case date::local_info::nonexistent: {
      // The clock read the same instant before and after the change.
      const date::local_seconds change{info.first.end.time_since_epoch()};
      error = when + " never happened: the clocks went forward from " +
              date::format("%H:%M", change + info.first.offset) + " to " +
              date::format("%H:%M", change + info.second.offset) + ", " +
              offset_and_abbreviation(info.first) + " to " +
              offset_and_abbreviation(info.second);
      return false;
    }
    default:
      if (query.fold == fold_refused) {
        error = when + " happened twice, at " + offset_and_abbreviation(info.first) +
                " and then at " + offset_and_abbreviation(info.second) +
                ": choose with --fold earlier or --fold later";
        return false;
      }
      period = query.fold == fold_earlier ? info.first : info.second;
      return true;
  }
}

int offset_from_database(const ZoneQuery& query, ZoneOffset& offset, std::string& error) {
  const date::tzdb& database = date::get_tzdb();
  const auto zone = std::find_if(database.zones.begin(), database.zones.end(),
                                 [&query](const date::time_zone& candidate) {
                                   return candidate.name() == query.zone;
                                 });
  if (zone == database.zones.end()) {
    error = "unknown time zone \"" + query.zone +
            "\"; nearest:" + nearest_zone_names(database, query.zone);
    return print_status_refused;
  }
  const ChartInput& chart = query.chart;
  const date::local_seconds local =
      date::local_days{date::year{chart.year} / chart.month / chart.day} +
      std::chrono::hours{chart.hour} + std::chrono::minutes{chart.minute};
  date::sys_info period;
  if (!choose_period(local_info_at(*zone, local), query, period, error))
    return print_status_refused;

  offset.database_seconds = static_cast<long>(period.offset.count());
  offset.abbreviation = period.abbrev;
  offset.local_mean_time = period.abbrev == "LMT";
  long minutes = whole_minutes(offset.database_seconds);
  if (offset.local_mean_time) {
    // The sun's mean time at the place: 4 minutes of time per degree east.
    const long east = -signed_minutes(longitude_angle(chart));
    minutes = std::lround(static_cast<double>(east) / 15.0);
  }
  if (std::labs(minutes) > largest_chart_offset) {
    error = query.zone + " gives " + offset_and_abbreviation(period) + " at " +
            local_text(query) + ": a chart holds offsets up to 12:59";
    return print_status_refused;
  }
  offset.minutes = static_cast<int>(minutes);
  return print_status_ok;
}

}  // namespace

int zone_offset_at(const ZoneQuery& query, ZoneOffset& offset, std::string& error) {
  try {
    return offset_from_database(query, offset, error);
  } catch (const std::exception& failure) {
    error = std::string("time-zone database: ") + failure.what();
    return print_status_failed;
  }
}

std::string tzdata_version() {
  try {
    const std::string& version = date::get_tzdb().version;
    if (version != "unknown") return version;
  } catch (const std::exception&) {
  }
  // Debian ships no +VERSION file, where the library looks; the rules' text
  // begins with it.
  std::ifstream rules(zoneinfo_dir + "/tzdata.zi");
  std::string line;
  const std::string mark = "# version ";
  if (std::getline(rules, line) && line.rfind(mark, 0) == 0)
    return line.substr(mark.size());
  return "unknown";
}

std::string utc_offset_text(int minutes) {
  char text[16];
  std::snprintf(text, sizeof text, "%c%02d:%02d", minutes < 0 ? '-' : '+',
                std::abs(minutes) / 60, std::abs(minutes) % 60);
  return text;
}

std::string seconds_offset_text(long seconds) {
  const long size = std::labs(seconds);
  if (size % 60 == 0) return utc_offset_text(static_cast<int>(seconds / 60));
  char text[32];
  std::snprintf(text, sizeof text, "%c%02ld:%02ld:%02ld", seconds < 0 ? '-' : '+',
                size / 3600, size / 60 % 60, size % 60);
  return text;
}
