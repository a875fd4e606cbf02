#include <gtest/gtest.h>

#include <sstream>

#include "dialogs/chart_data_entries.h"
#include "storage/chart_line.h"
#include "support/test_support.h"

namespace {

// Entries typed into the Chart Data dialog (golden/chart_data_entries.txt: the
// sixteen fields in the dialog's order, a choice by its item's index), each
// with the first check that refuses it, or what OK stores: the line Save
// writes and the header's date line. Every range's bounds on both sides;
// mended, a text beyond the int range landed in range, and a name cut at 23
// bytes split a UTF-8 character.
TEST(ChartData, ChecksAndStore) {
  std::istringstream rows(
      read_file(VANTREL_SOURCE_DIR "/tests/golden/chart_data_entries.txt"));
  std::string out;
  for (std::string row; std::getline(rows, row);) {
    std::istringstream in(row);
    std::string f[16];
    for (std::string& field : f) std::getline(in, field, '|');
    auto index = [&f](int i) { return std::atoi(f[i].c_str()); };
    const ChartDataEntries entries{f[0],     index(1), f[2],      f[3], f[4],  f[5],
                                   index(6), f[7],     f[8],      f[9], f[10], index(11),
                                   f[12],    f[13],    index(14), f[15]};
    ChartInput input = read_chart_data(entries);
    if (const char* message = accept_chart_input(input)) {
      out += std::string(message) + "\n";
      continue;
    }
    ChartLine line;
    write_chart_line(input, line);
    out += line.text + std::string(input.date_line) + "\n";
  }
  expect_golden("chart_data_stored.txt", out);
}

}  // namespace
