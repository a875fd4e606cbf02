#include <cctype>
#include <cstdint>
#include <cstring>

#include "base/chart_names.h"
#include "base/date_line.h"
#include "chart_file/chart_line.h"

namespace {

// Columns 0 to 98 are read; a shorter line is padded with blanks up to here.
constexpr int layout_width = 99;
// The Julian day number multiplies the year by 12 and then by 365 in 32-bit
// ints and adds the day: far beyond any chart, yet well inside that range.
constexpr std::int32_t largest_day_or_year = 99999;

// The number at a column as atoi reads it (blanks, a sign, decimal digits),
// without overflowing: false when it does not fit an int.
bool number_at(const char* columns, int column, std::int32_t& value) {
  const char* p = columns + column;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') {
    negative = *p == '-';
    ++p;
  }
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t magnitude = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    magnitude = magnitude * 10 + (*p - '0');
    if (magnitude > limit) return false;
  }
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return true;
}

// Index + 1 of the month named by three columns, any letter case; 0 for none.
int month_at(const char* columns, int column) {
  for (int m = 0; m < 12; ++m) {
    bool same = true;
    for (int i = 0; i < 3 && same; ++i) {
      same = std::tolower(static_cast<unsigned char>(columns[column + i])) ==
             std::tolower(static_cast<unsigned char>(MonthAbbrev[m][i]));
    }
    if (same) return m + 1;
  }
  return 0;
}

void copy_columns(const char* columns, int first, char (&field)[32]) {
  std::memcpy(field, columns + first, 23);
  field[23] = '\0';
}

}  // namespace

ChartReadResult read_chart_line(const char* text, ChartInput& chart) {
  char columns[longest_chart_line + 1];
  int length = 0;
  while (length <= longest_chart_line && text[length] != '\0' && text[length] != '\n')
    ++length;
  if (length > longest_chart_line) return chart_read_not_text_line;
  std::memcpy(columns, text, static_cast<std::size_t>(length));
  // A short hand-edited line reads its missing columns as blanks.
  while (length < layout_width) columns[length++] = ' ';
  columns[length] = '\0';

  ChartInput read = chart;
  copy_columns(columns, 0, read.name);

  read.month = month_at(columns, 23);
  if (read.month == 0) return chart_read_unknown_month;

  std::int32_t year_and_hour = 0;
  std::int32_t zone_minutes_and_lon = 0;
  if (!number_at(columns, 27, read.day) || !number_at(columns, 31, year_and_hour) ||
      !number_at(columns, 35, read.hour) || !number_at(columns, 38, read.minute) ||
      !number_at(columns, 51, read.zone_hours) ||
      !number_at(columns, 54, zone_minutes_and_lon) ||
      !number_at(columns, 56, read.lon_degrees) ||
      !number_at(columns, 60, read.lon_minutes) ||
      !number_at(columns, 66, read.lat_degrees) ||
      !number_at(columns, 69, read.lat_minutes)) {
    return chart_read_number_too_large;
  }
  // The year runs on into the hour and the zone minutes into the longitude.
  read.year = year_and_hour / 100;
  read.zone_minutes = zone_minutes_and_lon / 1000;
  if (read.year < -largest_day_or_year || read.year > largest_day_or_year ||
      read.day < -largest_day_or_year || read.day > largest_day_or_year) {
    return chart_read_date_out_of_range;
  }

  // The hour has at most nine digits before column 44, so adding 12 stays an int.
  if (columns[44] == 'P') {
    if (read.hour != 12) read.hour += 12;
  } else if (read.hour == 12) {
    read.hour = 0;
  }

  set_zone(read, {read.zone_hours, read.zone_minutes, columns[50] == '-'});
  format_date_line(read);
  set_longitude(read, {read.lon_degrees, read.lon_minutes, columns[59] == 'E'});
  set_latitude(read, {read.lat_degrees, read.lat_minutes, columns[68] == 'S'});

  copy_columns(columns, 75, read.place);

  chart = read;
  return chart_read_ok;
}

const char* chart_read_message(ChartReadResult result) {
  switch (result) {
    case chart_read_unknown_month:
      return "Unknown month in chart line!";
    case chart_read_number_too_large:
      return "Number too large in chart line!";
    case chart_read_date_out_of_range:
      return "Date out of range in chart line!";
    case chart_read_file_unreadable:
      return "Couldn't open chart file!";
    case chart_read_not_regular_file:
      return "Chart file is not a regular file!";
    case chart_read_no_chart:
      return "No chart in chart file!";
    case chart_read_not_text_line:
      return "Chart line over 1023 bytes or holding a NUL byte!";
    case chart_read_ok:
    case chart_read_no_line:
      break;
  }
  return nullptr;
}
