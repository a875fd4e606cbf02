#include "app/date_line.h"

#include <cstdio>

void format_date_line(ChartStateRecord& chart) {
  // A hand-edited line's zone hours reach INT_MAX, and its minutes add to
  // that: the whole part is taken in a wider int.
  std::snprintf(chart.date_line, sizeof chart.date_line,
                "%s %d, %d %02d:%02d Zone: %02lld:%02d", MonthAbbrev[chart.month - 1],
                chart.day, chart.year, chart.hour, chart.minute,
                static_cast<long long>(chart.zone_offset), chart.zone_minutes);
}
