#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

#include "chart_file/chart_line.h"

// Takes one row of the chart file that holds a line: its number among all the
// lines of the file, empty ones too, from 0, and its text. False stops the
// reading.
using ChartRowTaker = std::function<bool(std::size_t row, const char* text)>;

// The rows of the chart file as the list and the printer show them: its
// lines, each ending at a newline or at the end of the file. A UTF-8
// byte-order mark opening the file and a carriage return before a newline, as
// other editors write them, belong to no row. A line of more than 1023 bytes
// or holding a NUL byte is handed as 1024 characters, its first bytes (NUL
// bytes as blanks) and blanks after them: read_chart_line refuses it as one
// line, and the lines after keep their numbers. Rows are handed to take one at
// a time, and only those that hold a line, so memory does not grow with the
// file.
//
// The file is opened without waiting (a FIFO would wait for a writer) and
// read only when it is a regular file. Gives chart_read_ok,
// chart_read_file_unreadable, chart_read_not_regular_file, or
// chart_read_no_chart when no row of the file holds a line.
ChartReadResult read_chart_rows(const char* filename, const ChartRowTaker& take);

// The same rows from a stream already open, such as standard input, which
// may be a pipe: read to its end or until take stops, and left open. Gives
// chart_read_ok, chart_read_file_unreadable, chart_read_not_regular_file for
// a folder, or chart_read_no_chart.
ChartReadResult read_chart_stream(std::FILE* file, const ChartRowTaker& take);

// The row that holds a line at index (from 0, counting only such rows, as
// the list shows them): its text, and its number among all the rows of the
// file (the number "--line" and the messages give). An index past the last
// of them gives chart_read_no_line.
ChartReadResult chart_row_at(const char* filename, int index, std::string& text,
                             std::size_t& row);
