#include "base/date_line.h"

#include <cstdio>

#include "base/chart_names.h"

void format_date_line(ChartInput& input) {
  // A hand-edited line's zone hours reach INT_MAX, and its minutes add to
  // that: the whole part is taken in a wider int.
  const auto whole = static_cast<long long>(input.zone_offset);
  // Less than an hour ahead of UT the whole part is 0 and would lose the
  // sign: written as "-6:30" is, "-0:45".
  char hours[24] = "-0";
  if (whole != 0 || input.zone_offset >= 0)
    std::snprintf(hours, sizeof hours, "%02lld", whole);
  std::snprintf(input.date_line, sizeof input.date_line,
                "%s %d, %d %02d:%02d Zone: %s:%02d", MonthAbbrev[input.month - 1],
                input.day, input.year, input.hour, input.minute, hours,
                input.zone_minutes);
}
