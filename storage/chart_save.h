#pragma once

#include "storage/chart_line.h"

// Appends the line to the file, creating it when absent, under an exclusive
// lock (flock) on the file. True only when the whole line reached the file;
// a folder, device or FIFO is a failed save. On failure the file is cut back
// to its length before, so no partial line is left for the next line to run
// into. A file-size limit is a failed save: SIGXFSZ is ignored from the first
// call on.
bool append_chart_line(const char* filename, const ChartLine& line);
