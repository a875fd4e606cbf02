#include "places/zone_rule.h"

#include <date/date.h>

#include <cctype>

#include "base/units.h"

namespace {

constexpr long largest_rule_hours = 167;  // RFC 8536 3.3.1
constexpr long largest_offset_hours = 24;
constexpr long summer_hour =
    seconds_per_hour;  // summer time one hour ahead when not written

// Reads text as the rule's grammar goes, one part at a time.
struct RuleText {
  std::string_view text;
  std::size_t at = 0;

  bool done() const { return at == text.size(); }
  char next() const { return done() ? '\0' : text[at]; }
  bool take(char c) {
    if (next() != c) return false;
    ++at;
    return true;
  }
};

bool read_number(RuleText& in, long low, long high, long& value) {
  const std::size_t start = in.at;
  value = 0;
  while (std::isdigit(static_cast<unsigned char>(in.next())) && in.at - start < 4)
    value = value * 10 + (in.text[in.at++] - '0');
  return in.at > start && value >= low && value <= high;
}

// "<+0530>" or "IST": three or more characters.
bool read_abbreviation(RuleText& in, std::string& abbreviation) {
  const std::size_t start = in.at;
  if (in.take('<')) {
    while (!in.done() && in.next() != '>') ++in.at;
    abbreviation = in.text.substr(start + 1, in.at - start - 1);
    return in.take('>') && abbreviation.size() >= 3;
  }
  while (std::isalpha(static_cast<unsigned char>(in.next()))) ++in.at;
  abbreviation = in.text.substr(start, in.at - start);
  return abbreviation.size() >= 3;
}

// [+-]hh[:mm[:ss]], hours up to largest_hours.
bool read_signed_time(RuleText& in, long largest_hours, long& seconds) {
  const bool negative = in.take('-');
  if (!negative) in.take('+');
  long hours = 0;
  long minutes = 0;
  long rest = 0;
  if (!read_number(in, 0, largest_hours, hours)) return false;
  if (in.take(':') && !read_number(in, 0, 59, minutes)) return false;
  if (in.take(':') && !read_number(in, 0, 59, rest)) return false;
  seconds = hours * seconds_per_hour + minutes * seconds_per_minute + rest;
  if (negative) seconds = -seconds;
  return true;
}

bool read_rule_day(RuleText& in, RuleDay& day) {
  long number = 0;
  if (in.take('M')) {
    long week = 0;
    long weekday = 0;
    if (!read_number(in, 1, 12, number) || !in.take('.') ||
        !read_number(in, 1, 5, week) || !in.take('.') || !read_number(in, 0, 6, weekday))
      return false;
    day = {'M', static_cast<int>(number), static_cast<int>(week),
           static_cast<int>(weekday)};
  } else if (in.take('J')) {
    if (!read_number(in, 1, 365, number)) return false;
    day = {'J', 0, 0, static_cast<int>(number)};
  } else {
    if (!read_number(in, 0, 365, number)) return false;
    day = {'D', 0, 0, static_cast<int>(number)};
  }
  // Without a time the change is at 02:00.
  return !in.take('/') || read_signed_time(in, largest_rule_hours, day.seconds);
}

}  // namespace

bool read_zone_rule(std::string_view text, ZoneRule& rule) {
  rule = {};
  RuleText in{text};
  long west = 0;
  if (!read_abbreviation(in, rule.standard_abbreviation) ||
      !read_signed_time(in, largest_offset_hours, west))
    return false;
  rule.standard_offset = -west;
  if (in.done()) return true;
  rule.has_summer = true;
  if (!read_abbreviation(in, rule.summer_abbreviation)) return false;
  rule.summer_offset = rule.standard_offset + summer_hour;
  if (in.next() != ',') {
    if (!read_signed_time(in, largest_offset_hours, west)) return false;
    rule.summer_offset = -west;
  }
  return in.take(',') && read_rule_day(in, rule.summer_start) && in.take(',') &&
         read_rule_day(in, rule.summer_end) && in.done();
}

long long rule_day_local_seconds(const RuleDay& day, int year) {
  using namespace date;
  const year_month_day first{date::year{year} / January / 1};
  sys_days date_of_day{first};
  if (day.form == 'M') {
    const date::month month{static_cast<unsigned>(day.month)};
    const weekday weekday_of_day{static_cast<unsigned>(day.number)};
    date_of_day = day.week == 5
                      ? sys_days{date::year{year} / month / weekday_of_day[last]}
                      : sys_days{date::year{year} / month /
                                 weekday_of_day[static_cast<unsigned>(day.week)]};
  } else if (day.form == 'J') {
    // Day 60 is always March 1: February 29 is never counted.
    date_of_day += days{day.number - 1};
    if (day.number >= 60 && date::year{year}.is_leap()) date_of_day += days{1};
  } else {
    date_of_day += days{day.number};
  }
  return static_cast<long long>(date_of_day.time_since_epoch().count()) *
             seconds_per_day +
         day.seconds;
}
