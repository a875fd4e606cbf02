#include "cli/command_line_chart.h"

ChartDataValues chart_values_of(const PrintOptions& options) {
  ChartDataValues values;
  values.name = options.name;
  values.month_index = options.month - 1;
  values.day = options.day;
  values.year = options.year;
  values.hour = options.hour;
  values.minute = options.minute;

  const SexagesimalValue& zone = options.utc_offset;
  bool zero_zone = zone.whole == 0 && zone.sixtieths == 0;
  values.zone_sign_index = zone.east_or_south && !zero_zone ? 1 : 0;
  values.zone_hours = zone.whole;
  values.zone_minutes = zone.sixtieths;

  values.place = options.place;
  values.lon_degrees = options.longitude.whole;
  values.lon_dir_index = options.longitude.east_or_south ? 1 : 0;
  values.lon_minutes = options.longitude.sixtieths;
  values.lat_degrees = options.latitude.whole;
  values.lat_dir_index = options.latitude.east_or_south ? 1 : 0;
  values.lat_minutes = options.latitude.sixtieths;
  return values;
}
