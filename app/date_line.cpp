#include "app/date_line.h"

#include <cstdio>

#include "app/chart_names.h"

void format_date_line(ChartInput& input) {
  // A hand-edited line's zone hours reach INT_MAX, and its minutes add to
  // that: the whole part is taken in a wider int.
  std::snprintf(input.date_line, sizeof input.date_line,
                "%s %d, %d %02d:%02d Zone: %02lld:%02d", MonthAbbrev[input.month - 1],
                input.day, input.year, input.hour, input.minute,
                static_cast<long long>(input.zone_offset), input.zone_minutes);
}
