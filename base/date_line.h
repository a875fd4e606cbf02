#pragma once

#include "base/chart_input.h"

// The header's second line of an entered or opened chart: date, local time
// and zone, from the chart's own fields.
void format_date_line(ChartInput& input);
