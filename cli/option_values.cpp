#include "cli/option_values.h"

#include <strings.h>

#include <tuple>

#include "ephemeris/time_and_calendar.h"

namespace {

// Whole decimal digits from text, at most nine so that the value fits an int;
// text moves past them.
bool take_digits(const char*& text, int& value) {
  int count = 0;
  value = 0;
  while (*text >= '0' && *text <= '9') {
    if (++count > 9) return false;
    value = value * 10 + (*text - '0');
    ++text;
  }
  return count > 0;
}

// take_digits, from fewest to most of them: "12:5" is no clock time.
bool take_digit_count(const char*& text, int fewest, int most, int& value) {
  const char* const start = text;
  return take_digits(text, value) && text - start >= fewest && text - start <= most;
}

bool take_char(const char*& text, char wanted) {
  if (*text != wanted) return false;
  ++text;
  return true;
}

// Degrees, a side letter (either case) and minutes, e.g. 077E13 or 28s38;
// the second side is the chart's negative one.
bool parse_angle(const char* text, char first_side, char second_side,
                 SignedAngle& value) {
  if (!take_digits(text, value.whole)) return false;
  char side = *text;
  if (side >= 'a' && side <= 'z') side = static_cast<char>(side - 'a' + 'A');
  if (side != first_side && side != second_side) return false;
  ++text;
  if (!take_digits(text, value.sixtieths) || *text != '\0') return false;
  value.negative = side == second_side;
  return true;
}

// Signed decimal degrees as ISO 6709 writes them, north and east positive:
// at most three whole digits and a fraction, e.g. -122.27 or 28.6, as whole
// minutes, half a minute away from zero. Read from the digits themselves: a
// double holds 1.025 a little below it, and its 61.5' rounded down.
bool parse_decimal_degrees(const char* text, long& minutes) {
  const bool negative = *text == '-';
  if (*text == '+' || *text == '-') ++text;
  const char* const digits = text;
  int whole = 0;
  if (!take_digits(text, whole) || text - digits > 3) return false;
  // The fraction times 60, multiplied from its last digit: the carry left
  // is its whole minutes, the digit made last its tenths of a minute.
  int carry = 0;
  int tenths = 0;
  if (take_char(text, '.')) {
    const char* const fraction = text;
    while (*text >= '0' && *text <= '9') ++text;
    if (text == fraction) return false;
    for (const char* digit = text; digit != fraction;) {
      const int product = (*--digit - '0') * 60 + carry;
      tenths = product % 10;
      carry = product / 10;
    }
  }
  if (*text != '\0') return false;
  minutes = whole * 60L + carry + (tenths >= 5 ? 1 : 0);
  if (negative) minutes = -minutes;
  return true;
}

}  // namespace

bool parse_date(const char* text, int& year, int& month, int& day) {
  if (!take_digits(text, year) || !take_char(text, '-') || !take_digits(text, month) ||
      !take_char(text, '-') || !take_digits(text, day) || *text != '\0') {
    return false;
  }
  // The dialog picks the month from a list, so no month check exists there.
  return month >= 1 && month <= 12;
}

bool is_calendar_day(int year, int month, int day) {
  return day >= 1 && day <= days_in_month(year, month);
}

bool parse_listing_date(const char* text, int& year, int& month, int& day,
                        int last_year) {
  return parse_date(text, year, month, day) && year >= first_ephemeris_year &&
         year <= last_year && is_calendar_day(year, month, day);
}

bool parse_range_start(const char* text, int& year, int& month, int& day) {
  return parse_listing_date(text, year, month, day, last_ephemeris_year);
}

bool parse_range_end(const char* text, int& year, int& month, int& day) {
  return parse_listing_date(text, year, month, day, last_ephemeris_year + 1) &&
         (year <= last_ephemeris_year || (month == 1 && day == 1));
}

DayRangeFault day_range_fault(int from_year, int from_month, int from_day, int to_year,
                              int to_month, int to_day) {
  if (julian_day_number(to_month, to_day, to_year) <=
      julian_day_number(from_month, from_day, from_year))
    return DayRangeFault::end_not_after_start;
  const int last_year = from_year + 100;
  if (std::tie(to_year, to_month, to_day) > std::tie(last_year, from_month, from_day))
    return DayRangeFault::over_a_century;
  return DayRangeFault::none;
}

bool parse_clock(const char* text, int& hours, int& minutes) {
  return take_digit_count(text, 1, 2, hours) && take_char(text, ':') &&
         take_digit_count(text, 2, 2, minutes) && *text == '\0';
}

bool parse_utc_offset(const char* text, ChartInput& chart) {
  const bool after_utc = strncasecmp(text, "UTC", 3) == 0;
  if (after_utc) text += 3;
  const bool has_sign = *text == '+' || *text == '-';
  const bool ahead = *text != '-';
  if (has_sign)
    ++text;
  else if (after_utc)
    return false;
  SignedAngle zone;
  const char* hours = text;
  if (!take_digits(text, zone.whole)) return false;
  const auto digits = text - hours;
  if (take_char(text, ':')) {
    if (digits > 2 || !take_digit_count(text, 2, 2, zone.sixtieths) || *text != '\0')
      return false;
  } else {
    if (!has_sign || *text != '\0' || (digits > 2 && digits != 4)) return false;
    if (digits == 4) {
      zone.sixtieths = zone.whole % 100;
      zone.whole /= 100;
    }
  }
  zone.negative = ahead && (zone.whole != 0 || zone.sixtieths != 0);
  set_zone(chart, zone);
  return true;
}

bool parse_coordinate(const char* text, bool longitude, SignedAngle& value) {
  if (parse_angle(text, longitude ? 'W' : 'N', longitude ? 'E' : 'S', value)) return true;
  long minutes = 0;
  if (!parse_decimal_degrees(text, minutes)) return false;
  value = angle_of_minutes(longitude ? -minutes : minutes);
  return true;
}

bool parse_whole_number(const char* text, int& value) {
  return take_digits(text, value) && *text == '\0';
}

bool take_text(const char* text, std::string& value) {
  value = text;
  return !value.empty();
}
