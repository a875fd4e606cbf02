#pragma once

#include "storage/chart_line.h"

// Appends the line to the file, creating it when absent. True only when the
// whole line reached the file: errors that show when the buffer is flushed or
// the file closed count. On failure the file is cut back to its previous
// length, so no partial line is left for the next line to run into.
bool append_chart_line(const char* filename, const ChartLine& line);
