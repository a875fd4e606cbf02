#pragma once

#include "base/chart_input.h"

// One saved chart as the text of its line in the chart file, newline included.
// In-range values give 100 characters; the room above that keeps hand-edited
// values of any int size from being cut.
struct ChartLine {
  char text[256];
};

// Why a line was or was not read into a chart.
enum ChartReadResult : int {
  chart_read_ok = 0,
  chart_read_no_line,            // an empty row: nothing to load, nothing to say
  chart_read_unknown_month,      // columns 23-25 name no month
  chart_read_number_too_large,   // a number that does not fit an int
  chart_read_date_out_of_range,  // a day or year beyond the calendar arithmetic
  chart_read_file_unreadable,    // the chart file could not be opened or read
  chart_read_not_regular_file,   // a folder, a device or a FIFO: never read
  chart_read_no_chart,           // the file holds no line at all
  chart_read_not_text_line,      // more than 1023 bytes, or a NUL byte
};

// The most bytes a line of the chart file holds, its newline left out.
constexpr int longest_chart_line = 1023;

// A character of a name or place as the chart file and the printed text show
// it: a control character (a newline above all) would split the line, or act
// on a terminal, and stands as a blank.
char field_character(char c);

// The fixed-column line of the inputs of a chart.
void write_chart_line(const ChartInput& chart, ChartLine& line);

// Reads the text up to its first newline or NUL into the input fields of the
// chart and formats its date_line. Columns past the end of the text read as
// blanks; more than 1023 characters are chart_read_not_text_line, the form in
// which the chart file's rows also hand a line holding a NUL byte. On any
// result but chart_read_ok the chart is left as it was.
ChartReadResult read_chart_line(const char* text, ChartInput& chart);

// The alert text for a refused line or file, nullptr when there is nothing to say.
const char* chart_read_message(ChartReadResult result);
