#include "storage/chart_rows.h"

#include <cstddef>
#include <cstdio>

namespace {
constexpr int row_capacity = 1024;
}

bool read_chart_rows(const char* filename, ChartRows& rows) {
  rows.clear();
  std::FILE* file = std::fopen(filename, "r");
  if (file == nullptr) return false;
  char row[row_capacity];
  int length = 0;
  for (;;) {
    int c = std::fgetc(file);
    if (c == EOF || c == '\n' || c == '\0' || length == row_capacity - 1) {
      rows.emplace_back(row, length);
      length = 0;
      if (c == EOF) break;
      continue;
    }
    row[length++] = static_cast<char>(c);
  }
  std::fclose(file);
  return true;
}

ChartReadResult load_chart_row(const char* filename, int index, ChartStateRecord& chart) {
  ChartRows rows;
  if (!read_chart_rows(filename, rows)) return chart_read_file_unreadable;
  if (index < 0 || static_cast<std::size_t>(index) >= rows.size() ||
      rows[index].empty()) {
    return chart_read_no_line;
  }
  return read_chart_line(rows[index].c_str(), chart);
}
