#include "entry/checked_chart_line.h"

#include "chart_file/chart_line.h"
#include "entry/chart_data_entries.h"

const char* read_checked_chart_line(const char* text, ChartInput& input) {
  ChartInput read = input;
  if (const ChartReadResult result = read_chart_line(text, read); result != chart_read_ok)
    return chart_read_message(result);
  if (const char* message = accept_chart_input(read)) return message;
  input = read;
  return nullptr;
}
