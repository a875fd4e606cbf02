#pragma once

#include <string>
#include <string_view>

// One change of a POSIX TZ rule: a day of the year and the local time of day
// of the change, in the time in force before it. RFC 8536 lets the time run
// from -167 to 167 hours ("M3.5.0/-1": an hour before the last Sunday of March).
struct RuleDay {
  char form = 'M';          // 'M' month.week.weekday, 'J' Julian day 1-365 without
                            // February 29, 'D' day 0-365 counting it
  int month = 0;            // 'M': 1-12
  int week = 0;             // 'M': 1-5, 5 the last
  int number = 0;           // 'M': weekday, 0 Sunday; 'J', 'D': the day
  long seconds = 2 * 3600;  // 02:00 when the rule writes no time
};

// A TZif file's last line: the rule for every time after its listed changes,
// e.g. "<-02>2<-01>,M3.5.0/-1,M10.5.0/0". Offsets east of Greenwich, in
// seconds (the text writes them west).
struct ZoneRule {
  std::string standard_abbreviation;
  long standard_offset = 0;
  bool has_summer = false;
  std::string summer_abbreviation;
  long summer_offset = 0;
  RuleDay summer_start;  // in standard time
  RuleDay summer_end;    // in summer time
};

// The rule the text writes; false when it is not one, or a rule with summer
// time but without its days (the file would have to name them).
bool read_zone_rule(std::string_view text, ZoneRule& rule);

// Seconds since 1970-01-01 00:00 of the local midnight that begins the rule
// day's date in year, plus its time of day.
long long rule_day_local_seconds(const RuleDay& day, int year);
