#pragma once

#include "cli/print_options.h"
#include "dialogs/chart_data_entries.h"

// The Chart Data values of a chart given on the command line, so that the
// dialog's own checks and store run on the numbers as parsed. The zone turns
// from the usual sense (east ahead of Universal Time, +05:30) into the
// program's own: zone "-" 05:30, zone_offset -5.5. A zero offset is zone "+".
ChartDataValues chart_values_of(const PrintOptions& options);
