#include "app/date_line.h"

#include <cstdio>

void format_date_line(ChartStateRecord& chart) {
  std::snprintf(chart.date_line, sizeof chart.date_line,
                "%s %d, %d %02d:%02d Zone: %02d:%02d", MonthAbbrev[chart.month - 1],
                chart.day, chart.year, chart.hour, chart.minute,
                static_cast<int>(chart.zone_offset), chart.zone_minutes);
}
