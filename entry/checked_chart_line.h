#pragma once

#include "base/chart_input.h"

// A chart line as --file and File > Open take it: read, then held to the
// checks the Chart Data dialog's OK makes, so that no impossible date, time,
// zone or place is charted. nullptr when input holds the line's chart; else
// why the line is refused (the reader's message, or the first failed check's,
// which may break its line as the dialog's alert does), input left as it was.
const char* read_checked_chart_line(const char* text, ChartInput& input);
