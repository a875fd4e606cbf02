#include "entry/chart_data_entries.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <span>

#include "base/date_line.h"
#include "base/utf8_text.h"
#include "ephemeris/time_and_calendar.h"

namespace {
constexpr int february = 2;

// The checks after the date's: plain inclusive ranges, in this order.
struct RangeCheck {
  std::int32_t ChartInput::*field;
  std::int32_t low;
  std::int32_t high;
  const char* message;
};

const RangeCheck TimeChecks[] = {
    {&ChartInput::hour, 0, 23, "Enter hour between\n0-23"},
    {&ChartInput::minute, 0, 59, "Enter minute between\n0-59"},
};

const RangeCheck PlaceChecks[] = {
    {&ChartInput::zone_hours, 0, 12, "Enter zone hour between\n0-12"},
    {&ChartInput::zone_minutes, 0, 59, "Enter zone minute between\n0-59"},
    {&ChartInput::lon_degrees, 0, 179, "Enter longitude degree\nbetween 0-179"},
    {&ChartInput::lon_minutes, 0, 59, "Enter longitude minute\nbetween 0-59"},
    {&ChartInput::lat_degrees, 0, 89, "Enter latitude degree\nbetween 0-89"},
    {&ChartInput::lat_minutes, 0, 59, "Enter latitude minute\nbetween 0-59"},
};
const char* first_failed(const ChartInput& input, std::span<const RangeCheck> checks) {
  for (const RangeCheck& check : checks) {
    const std::int32_t value = input.*check.field;
    if (value < check.low || value > check.high) return check.message;
  }
  return nullptr;
}
}  // namespace

std::int32_t read_integer_field(const std::string& text) {
  const long value = std::strtol(text.c_str(), nullptr, 10);
  return static_cast<std::int32_t>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

void store_text(char (&field)[32], const std::string& text) {
  copy_whole_characters(field, text.c_str(), stored_text_bytes);
}

ChartInput read_chart_data(const ChartDataEntries& entries) {
  ChartInput input{};
  store_text(input.name, entries.name);
  store_text(input.place, entries.place);
  input.month = entries.month_index + 1;
  input.day = read_integer_field(entries.day);
  input.year = read_integer_field(entries.year);
  input.hour = read_integer_field(entries.hour);
  input.minute = read_integer_field(entries.minute);
  set_zone(input,
           {read_integer_field(entries.zone_hours),
            read_integer_field(entries.zone_minutes), entries.zone_sign_index == 1});
  set_longitude(input,
                {read_integer_field(entries.lon_degrees),
                 read_integer_field(entries.lon_minutes), entries.lon_dir_index == 1});
  set_latitude(input,
               {read_integer_field(entries.lat_degrees),
                read_integer_field(entries.lat_minutes), entries.lat_dir_index == 1});
  return input;
}

const char* check_moment(const ChartInput& input) {
  if (input.year < 1600 || input.year > 2400) return "Enter year between\n1600-2400.";
  if (input.day < 1 || input.day > 31) return "Enter day between\n1-31";
  if (input.day > days_in_month(input.year, input.month)) {
    return input.month == february ? "Invalid February date"
                                   : "There are only 30 days\nin this month";
  }
  return first_failed(input, TimeChecks);
}

const char* accept_chart_input(ChartInput& input) {
  if (const char* message = check_moment(input)) return message;
  if (const char* message = first_failed(input, PlaceChecks)) return message;
  format_date_line(input);
  return nullptr;
}
