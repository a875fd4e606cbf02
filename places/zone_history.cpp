#include "places/zone_history.h"

#include <date/date.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "base/units.h"

namespace {

constexpr long long end_of_time = std::numeric_limits<long long>::max();
constexpr long long beginning_of_time = std::numeric_limits<long long>::min();
// Offsets stay within a day either side, so the periods that a local time
// may fall in begin no earlier than a day and a half before it.
constexpr long long widest_offset = 26 * seconds_per_hour;

// Reads the file's big-endian fields in order, never past its end.
struct TzifBytes {
  std::string_view bytes;
  std::size_t at = 0;

  bool has(std::size_t count) const { return count <= bytes.size() - at; }
  std::uint64_t unsigned_of(std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
      value = value << 8 | static_cast<unsigned char>(bytes[at++]);
    return value;
  }
  long long signed_of(std::size_t width) {
    const std::uint64_t value = unsigned_of(width);
    const std::uint64_t sign = std::uint64_t{1} << (8 * width - 1);
    return static_cast<long long>((value ^ sign) - sign);
  }
};

// The header's counts, in its order.
enum TzifCount : int { utc_flags = 0, standard_flags, leaps, changes, types, letters };
using TzifCounts = std::array<std::size_t, 6>;

bool read_header(TzifBytes& in, char& version, TzifCounts& counts) {
  if (!in.has(44) || in.bytes.substr(in.at, 4) != "TZif") return false;
  version = in.bytes[in.at + 4];
  in.at += 20;
  for (std::size_t& count : counts) count = in.unsigned_of(4);
  return true;
}

std::size_t block_size(const TzifCounts& counts, std::size_t time_width) {
  return counts[changes] * (time_width + 1) + counts[types] * 6 + counts[letters] +
         counts[leaps] * (time_width + 4) + counts[standard_flags] + counts[utc_flags];
}

struct LocalType {
  long offset = 0;
  std::string abbreviation;
};

bool read_types(TzifBytes& in, const TzifCounts& counts, std::vector<LocalType>& types) {
  std::vector<std::pair<long, std::size_t>> raw;
  for (std::size_t i = 0; i < counts[TzifCount::types]; ++i) {
    const long offset = static_cast<long>(in.signed_of(4));
    in.at += 1;  // summer time or not: the offset says all a chart needs
    raw.emplace_back(offset, in.unsigned_of(1));
  }
  const std::string_view text = in.bytes.substr(in.at, counts[letters]);
  in.at += counts[letters];
  for (const auto& [offset, index] : raw) {
    const std::size_t end = text.find('\0', index);
    if (index >= text.size() || end == std::string_view::npos) return false;
    types.push_back({offset, std::string(text.substr(index, end - index))});
  }
  return !types.empty();
}

// The 64-bit block: its changes become periods, the first type before them
// (RFC 8536 3.2).
bool read_periods(TzifBytes& in, const TzifCounts& counts, ZoneHistory& history) {
  std::vector<long long> times;
  for (std::size_t i = 0; i < counts[changes]; ++i) {
    times.push_back(in.signed_of(8));
    if (i > 0 && times[i] <= times[i - 1]) return false;
  }
  std::vector<std::size_t> type_of;
  for (std::size_t i = 0; i < counts[changes]; ++i) type_of.push_back(in.unsigned_of(1));
  std::vector<LocalType> types;
  if (!read_types(in, counts, types)) return false;
  in.at += counts[leaps] * 12 + counts[standard_flags] + counts[utc_flags];
  long long begin = beginning_of_time;
  std::size_t type = 0;
  for (std::size_t i = 0; i <= times.size(); ++i) {
    const long long end = i < times.size() ? times[i] : end_of_time;
    history.periods.push_back({begin, end, types[type].offset, types[type].abbreviation});
    if (i == times.size()) break;
    if (type_of[i] >= types.size()) return false;
    type = type_of[i];
    begin = end;
  }
  return true;
}

// The periods of the rule around a year: the summer of year - 1 to that of
// year + 1, each with its UT bounds.
std::vector<ZonePeriod> rule_periods(const ZoneRule& rule, int year) {
  const ZonePeriod standard{beginning_of_time, end_of_time, rule.standard_offset,
                            rule.standard_abbreviation};
  if (!rule.has_summer) return {standard};
  std::vector<std::pair<long long, bool>> changes;  // UT, summer from then on
  for (int y = year - 1; y <= year + 1; ++y) {
    changes.emplace_back(
        rule_day_local_seconds(rule.summer_start, y) - rule.standard_offset, true);
    changes.emplace_back(rule_day_local_seconds(rule.summer_end, y) - rule.summer_offset,
                         false);
  }
  std::sort(changes.begin(), changes.end());
  std::vector<ZonePeriod> periods;
  long long begin = beginning_of_time;
  bool summer = !changes.empty() && !changes.front().second;
  for (std::size_t i = 0; i <= changes.size(); ++i) {
    const long long end = i < changes.size() ? changes[i].first : end_of_time;
    periods.push_back({begin, end, summer ? rule.summer_offset : rule.standard_offset,
                       summer ? rule.summer_abbreviation : rule.standard_abbreviation});
    if (i < changes.size()) {
      summer = changes[i].second;
      begin = end;
    }
  }
  return periods;
}

int year_of(long long local_seconds) {
  const auto day = date::floor<date::days>(
      date::sys_seconds{date::sys_seconds::duration{local_seconds}});
  return static_cast<int>(date::year_month_day{day}.year());
}

// The periods a local time may fall in: the listed ones near it, and after
// the last listed change the rule's.
std::vector<ZonePeriod> periods_near(const ZoneHistory& history, long long local) {
  std::vector<ZonePeriod> near;
  const long long from = local - widest_offset;
  const long long to = local + widest_offset;
  for (const ZonePeriod& period : history.periods)
    if (period.end > from && period.begin < to) near.push_back(period);
  const long long rule_from = history.periods.back().begin;
  if (!history.has_rule || to <= rule_from || history.periods.size() < 2) return near;
  near.pop_back();
  for (ZonePeriod period : rule_periods(history.rule, year_of(local))) {
    period.begin = std::max(period.begin, rule_from);
    if (period.end > std::max(from, rule_from) && period.begin < to)
      near.push_back(period);
  }
  return near;
}

}  // namespace

bool read_zone_history(std::string_view bytes, ZoneHistory& history, std::string& error) {
  history = {};
  TzifBytes in{bytes};
  char version = 0;
  TzifCounts counts{};
  error = "not a time-zone file (TZif, RFC 8536)";
  if (!read_header(in, version, counts)) return false;
  error = "a TZif file of version 1, which lists no times past 2037";
  if (version < '2') return false;
  error = "a damaged time-zone file";
  if (!in.has(block_size(counts, 4))) return false;
  in.at += block_size(counts, 4);
  if (!read_header(in, version, counts) || !in.has(block_size(counts, 8)) ||
      !read_periods(in, counts, history) || !in.has(1) || in.bytes[in.at] != '\n')
    return false;
  const std::size_t end = bytes.find('\n', in.at + 1);
  if (end == std::string_view::npos) return false;
  const std::string_view rule = bytes.substr(in.at + 1, end - in.at - 1);
  history.has_rule = !rule.empty();
  error = "a time-zone file whose rule for the years after its listed changes (\"" +
          std::string(rule) + "\") cannot be read";
  if (history.has_rule && !read_zone_rule(rule, history.rule)) return false;
  error.clear();
  return true;
}

ZonePeriod period_at_universal(const ZoneHistory& history, long long universal_seconds) {
  const std::vector<ZonePeriod> near = periods_near(history, universal_seconds);
  for (const ZonePeriod& period : near)
    if (universal_seconds >= period.begin && universal_seconds < period.end)
      return period;
  return near.empty() ? history.periods.back() : near.back();
}

LocalPeriods local_periods(const ZoneHistory& history, long long local_seconds) {
  std::vector<ZonePeriod> matches;
  const std::vector<ZonePeriod> near = periods_near(history, local_seconds);
  for (const ZonePeriod& period : near) {
    const long long universal = local_seconds - period.offset;
    if (universal >= period.begin && universal < period.end) matches.push_back(period);
  }
  if (matches.size() == 1) return {LocalPeriods::once, matches[0], {}};
  if (matches.size() >= 2) return {LocalPeriods::twice, matches[0], matches[1]};
  // In a gap: the periods before and after the change that the time fell in.
  for (std::size_t i = 1; i < near.size(); ++i)
    if (local_seconds - near[i].offset < near[i].begin)
      return {LocalPeriods::never, near[i - 1], near[i]};
  return {LocalPeriods::never, near.front(), near.back()};
}
