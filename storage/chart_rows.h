#pragma once

#include <string>
#include <vector>

#include "app/chart_state.h"
#include "storage/chart_line.h"

// The rows of the chart file as the chart list shows them. A row ends at a
// newline, at a NUL, at the end of the file, or when it holds 1023 characters
// (the character read then is dropped); the end of the file always ends one
// more row, so a file that ends in a newline has an empty last row.
using ChartRows = std::vector<std::string>;

// False when the file cannot be opened for reading; rows is then empty.
bool read_chart_rows(const char* filename, ChartRows& rows);

// Reads row index (from 0) of the file, split as read_chart_rows splits it,
// into the input fields of the chart. An empty row, or an index past the last
// row, holds no chart and gives chart_read_no_line. The chart is changed only
// when the result is chart_read_ok.
ChartReadResult load_chart_row(const char* filename, int index, ChartStateRecord& chart);
