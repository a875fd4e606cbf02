#include "cli/command_line_chart.h"

#include <string>

namespace {
// Plain decimal text, as the dialog's integer fields hold it: a leading 0
// would make strtol read octal.
std::string field_text(int value) { return std::to_string(value); }
}  // namespace

ChartDataEntries chart_entries_of(const PrintOptions& options) {
  ChartDataEntries entries;
  entries.name = options.name;
  entries.month_index = options.month - 1;
  entries.day = field_text(options.day);
  entries.year = field_text(options.year);
  entries.hour = field_text(options.hour);
  entries.minute = field_text(options.minute);

  const SexagesimalValue& zone = options.utc_offset;
  bool zero_zone = zone.whole == 0 && zone.sixtieths == 0;
  entries.zone_sign_index = zone.east_or_south && !zero_zone ? 1 : 0;
  entries.zone_hours = field_text(zone.whole);
  entries.zone_minutes = field_text(zone.sixtieths);

  entries.place = options.place;
  entries.lon_degrees = field_text(options.longitude.whole);
  entries.lon_dir_index = options.longitude.east_or_south ? 1 : 0;
  entries.lon_minutes = field_text(options.longitude.sixtieths);
  entries.lat_degrees = field_text(options.latitude.whole);
  entries.lat_dir_index = options.latitude.east_or_south ? 1 : 0;
  entries.lat_minutes = field_text(options.latitude.sixtieths);
  return entries;
}
