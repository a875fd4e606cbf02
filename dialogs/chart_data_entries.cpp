#include "dialogs/chart_data_entries.h"

#include <cstdlib>

#include "app/chart_state.h"
#include "app/date_line.h"
#include "dialogs/whole_characters.h"
#include "ephemeris/time_and_calendar.h"

namespace {
constexpr int february_index = 1;
constexpr std::size_t stored_text_bytes = 23;

// Steps 6 to 13 of the checks: plain inclusive ranges, in this order.
struct RangeCheck {
  std::string ChartDataEntries::*field;
  long low;
  long high;
  const char* message;
};

const RangeCheck TimeAndPlaceChecks[] = {
    {&ChartDataEntries::hour, 0, 23, "Enter hour between\n0-23"},
    {&ChartDataEntries::minute, 0, 59, "Enter minute between\n0-59"},
    {&ChartDataEntries::zone_hours, 0, 12, "Enter zone hour between\n0-12"},
    {&ChartDataEntries::zone_minutes, 0, 59, "Enter zone minute between\n0-59"},
    {&ChartDataEntries::lon_degrees, 0, 179, "Enter longitude degree\nbetween 0-179"},
    {&ChartDataEntries::lon_minutes, 0, 59, "Enter longitude minute\nbetween 0-59"},
    {&ChartDataEntries::lat_degrees, 0, 89, "Enter latitude degree\nbetween 0-89"},
    {&ChartDataEntries::lat_minutes, 0, 59, "Enter latitude minute\nbetween 0-59"},
};

bool has_30_days(int month_index) {
  return month_index == 3 || month_index == 5 || month_index == 8 || month_index == 10;
}

// Only called after the checks, when every value fits an int.
int checked_int(const std::string& text) {
  return static_cast<int>(read_integer_field(text));
}

double signed_value(int whole, int sixtieths, bool negate) {
  double value = whole + sixtieths / 60.0;
  return negate ? -value : value;
}
}  // namespace

long read_integer_field(const std::string& text) {
  return std::strtol(text.c_str(), nullptr, 10);
}

const char* check_chart_data(const ChartDataEntries& entries) {
  long year = read_integer_field(entries.year);
  if (year < 1600 || year > 2400) return "Enter year between\n1600-2400.";
  bool leap = is_leap_year(static_cast<int>(year)) != 0;

  long day = read_integer_field(entries.day);
  if (day < 1 || day > 31) return "Enter day between\n1-31";
  if (entries.month_index == february_index && day > 29) return "Invalid February date";
  if (entries.month_index == february_index && day > 28 && !leap)
    return "Invalid February date";
  if (has_30_days(entries.month_index) && day > 30)
    return "There are only 30 days\nin this month";

  for (const RangeCheck& check : TimeAndPlaceChecks) {
    long value = read_integer_field(entries.*check.field);
    if (value < check.low || value > check.high) return check.message;
  }
  return nullptr;
}

void store_chart_data(const ChartDataEntries& entries) {
  copy_whole_characters(ChartState.name, entries.name.c_str(), stored_text_bytes);
  copy_whole_characters(ChartState.place, entries.place.c_str(), stored_text_bytes);

  ChartState.month = entries.month_index + 1;
  ChartState.day = checked_int(entries.day);
  ChartState.year = checked_int(entries.year);
  ChartState.hour = checked_int(entries.hour);
  ChartState.minute = checked_int(entries.minute);
  ChartState.zone_hours = checked_int(entries.zone_hours);
  ChartState.zone_minutes = checked_int(entries.zone_minutes);

  ChartState.zone_dir = entries.zone_sign_index == 1 ? 1 : 0;
  ChartState.zone_offset = signed_value(ChartState.zone_hours, ChartState.zone_minutes,
                                        ChartState.zone_dir == 1);

  ChartState.lon_degrees = checked_int(entries.lon_degrees);
  ChartState.lon_minutes = checked_int(entries.lon_minutes);
  ChartState.lon_dir = entries.lon_dir_index == 1 ? 1 : 0;
  ChartState.longitude = signed_value(ChartState.lon_degrees, ChartState.lon_minutes,
                                      ChartState.lon_dir == 1);

  ChartState.lat_degrees = checked_int(entries.lat_degrees);
  ChartState.lat_minutes = checked_int(entries.lat_minutes);
  ChartState.lat_dir = entries.lat_dir_index == 1 ? 1 : 0;
  ChartState.latitude = signed_value(ChartState.lat_degrees, ChartState.lat_minutes,
                                     ChartState.lat_dir == 1);

  format_date_line(ChartState);
}
