#include "dialogs/chart_data_entries.h"

#include <cstdlib>

#include "app/chart_state.h"
#include "app/date_line.h"
#include "dialogs/whole_characters.h"
#include "ephemeris/time_and_calendar.h"

namespace {
constexpr int february_index = 1;

// Steps 6 to 13 of the checks: plain inclusive ranges, in this order.
struct RangeCheck {
  long ChartDataValues::*field;
  long low;
  long high;
  const char* message;
};

const RangeCheck TimeAndPlaceChecks[] = {
    {&ChartDataValues::hour, 0, 23, "Enter hour between\n0-23"},
    {&ChartDataValues::minute, 0, 59, "Enter minute between\n0-59"},
    {&ChartDataValues::zone_hours, 0, 12, "Enter zone hour between\n0-12"},
    {&ChartDataValues::zone_minutes, 0, 59, "Enter zone minute between\n0-59"},
    {&ChartDataValues::lon_degrees, 0, 179, "Enter longitude degree\nbetween 0-179"},
    {&ChartDataValues::lon_minutes, 0, 59, "Enter longitude minute\nbetween 0-59"},
    {&ChartDataValues::lat_degrees, 0, 89, "Enter latitude degree\nbetween 0-89"},
    {&ChartDataValues::lat_minutes, 0, 59, "Enter latitude minute\nbetween 0-59"},
};

bool has_30_days(int month_index) {
  return month_index == 3 || month_index == 5 || month_index == 8 || month_index == 10;
}

// Only called after the checks, when every value fits an int.
int checked_int(long value) { return static_cast<int>(value); }

double signed_value(int whole, int sixtieths, bool negate) {
  double value = whole + sixtieths / 60.0;
  return negate ? -value : value;
}
}  // namespace

long read_integer_field(const std::string& text) {
  return std::strtol(text.c_str(), nullptr, 10);
}

ChartDataValues read_chart_data(const ChartDataEntries& entries) {
  ChartDataValues values;
  values.name = entries.name;
  values.month_index = entries.month_index;
  values.day = read_integer_field(entries.day);
  values.year = read_integer_field(entries.year);
  values.hour = read_integer_field(entries.hour);
  values.minute = read_integer_field(entries.minute);
  values.zone_sign_index = entries.zone_sign_index;
  values.zone_hours = read_integer_field(entries.zone_hours);
  values.zone_minutes = read_integer_field(entries.zone_minutes);
  values.place = entries.place;
  values.lon_degrees = read_integer_field(entries.lon_degrees);
  values.lon_dir_index = entries.lon_dir_index;
  values.lon_minutes = read_integer_field(entries.lon_minutes);
  values.lat_degrees = read_integer_field(entries.lat_degrees);
  values.lat_dir_index = entries.lat_dir_index;
  values.lat_minutes = read_integer_field(entries.lat_minutes);
  return values;
}

const char* check_chart_values(const ChartDataValues& values) {
  const long year = values.year;
  if (year < 1600 || year > 2400) return "Enter year between\n1600-2400.";
  bool leap = is_leap_year(static_cast<int>(year)) != 0;

  const long day = values.day;
  if (day < 1 || day > 31) return "Enter day between\n1-31";
  if (values.month_index == february_index && day > 29) return "Invalid February date";
  if (values.month_index == february_index && day > 28 && !leap)
    return "Invalid February date";
  if (has_30_days(values.month_index) && day > 30)
    return "There are only 30 days\nin this month";

  for (const RangeCheck& check : TimeAndPlaceChecks) {
    long value = values.*check.field;
    if (value < check.low || value > check.high) return check.message;
  }
  return nullptr;
}

const char* check_chart_data(const ChartDataEntries& entries) {
  return check_chart_values(read_chart_data(entries));
}

void store_chart_data(const ChartDataEntries& entries) {
  store_chart_values(read_chart_data(entries));
}

void store_chart_values(const ChartDataValues& values) {
  copy_whole_characters(ChartState.name, values.name.c_str(), stored_text_bytes);
  copy_whole_characters(ChartState.place, values.place.c_str(), stored_text_bytes);

  ChartState.month = values.month_index + 1;
  ChartState.day = checked_int(values.day);
  ChartState.year = checked_int(values.year);
  ChartState.hour = checked_int(values.hour);
  ChartState.minute = checked_int(values.minute);
  ChartState.zone_hours = checked_int(values.zone_hours);
  ChartState.zone_minutes = checked_int(values.zone_minutes);

  ChartState.zone_dir = values.zone_sign_index == 1 ? 1 : 0;
  ChartState.zone_offset = signed_value(ChartState.zone_hours, ChartState.zone_minutes,
                                        ChartState.zone_dir == 1);

  ChartState.lon_degrees = checked_int(values.lon_degrees);
  ChartState.lon_minutes = checked_int(values.lon_minutes);
  ChartState.lon_dir = values.lon_dir_index == 1 ? 1 : 0;
  ChartState.longitude = signed_value(ChartState.lon_degrees, ChartState.lon_minutes,
                                      ChartState.lon_dir == 1);

  ChartState.lat_degrees = checked_int(values.lat_degrees);
  ChartState.lat_minutes = checked_int(values.lat_minutes);
  ChartState.lat_dir = values.lat_dir_index == 1 ? 1 : 0;
  ChartState.latitude = signed_value(ChartState.lat_degrees, ChartState.lat_minutes,
                                     ChartState.lat_dir == 1);

  format_date_line(ChartState);
}
