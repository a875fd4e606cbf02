#include <cstddef>
#include <cstdio>

#include "base/chart_names.h"
#include "chart_file/chart_line.h"

char field_character(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code < 0x20 || code == 0x7f ? ' ' : c;
}

namespace {

// Names and places keep their 23 columns.
void copy_field(const char* source, std::size_t source_size, char (&field)[24]) {
  std::size_t n = 0;
  for (; n < source_size && n < sizeof field - 1 && source[n] != '\0'; ++n)
    field[n] = field_character(source[n]);
  field[n] = '\0';
}

}  // namespace

void write_chart_line(const ChartInput& chart, ChartLine& line) {
  char name[24];
  char place[24];
  copy_field(chart.name, sizeof chart.name, name);
  copy_field(chart.place, sizeof chart.place, place);

  int clock_hour = chart.hour;
  if (clock_hour > 12) clock_hour -= 12;
  if (clock_hour == 0) clock_hour = 12;
  const char* half_of_day = chart.hour > 11 ? "PM" : "AM";

  // The signs come from the values, so a zero is "+", "W" or "N" whatever its flag.
  char zone_sign = chart.zone_offset < 0 ? '-' : '+';
  char lon_dir = chart.longitude < 0 ? 'E' : 'W';
  char lat_dir = chart.latitude < 0 ? 'S' : 'N';

  // No month outside 1-12 reaches the chart; should one, its line is refused
  // when read rather than written with a table entry that does not exist.
  const char* month =
      chart.month >= 1 && chart.month <= 12 ? MonthAbbrev[chart.month - 1] : "???";

  std::snprintf(line.text, sizeof line.text,
                "%-23s%s %02d, %4d%02d:%02d:00 %s    %c%02d:%02d%03d%c%02d'00 "
                "%02d%c%02d'00 %-24s\n",
                name, month, chart.day, chart.year, clock_hour, chart.minute, half_of_day,
                zone_sign, chart.zone_hours, chart.zone_minutes, chart.lon_degrees,
                lon_dir, chart.lon_minutes, chart.lat_degrees, lat_dir, chart.lat_minutes,
                place);
}
