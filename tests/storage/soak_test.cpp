// Many Save and Open cycles of random charts through the chart file
// functions: after every Save the whole file is read back and compared, and
// Open gives back the chart just saved and one saved earlier.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/chart_state.h"
#include "dialogs/chart_data_entries.h"
#include "storage/chart_line.h"
#include "storage/chart_rows.h"
#include "storage/chart_save.h"
#include "support/random_chart.h"
#include "tests/storage/line_helpers.h"
#include "tests/storage/working_dir_fixture.h"

namespace {

constexpr int cycles = 10000;
// The whole file is read three times after every Save, a character at a
// time: a fresh file every 500 charts keeps that linear, not quadratic.
constexpr int charts_per_file = 500;

class ChartFileSoak : public WorkingDirTest {};

TEST_F(ChartFileSoak, SavesAndOpensOfRandomChartsKeepEveryLine) {
  std::mt19937 random(8);
  std::vector<ChartStateRecord> saved;
  ChartRows expected_rows;  // ending in the empty row after the last newline
  std::string expected_file;

  for (int cycle = 0; cycle < cycles; ++cycle) {
    SCOPED_TRACE(testing::Message() << "save " << cycle);
    if (cycle % charts_per_file == 0) {
      std::remove("charts.vnt");
      saved.clear();
      expected_rows = {""};
      expected_file.clear();
    }
    const ChartDataEntries entries = random_chart_entries(random);
    ASSERT_EQ(check_chart_data(entries), nullptr);
    ChartState = {};
    store_chart_data(entries);
    saved.push_back(ChartState);

    ChartLine line;
    write_chart_line(ChartState, line);
    ASSERT_EQ(std::strlen(line.text), 100u) << line.text;
    ASSERT_TRUE(append_chart_line("charts.vnt", line));
    expected_rows.insert(expected_rows.end() - 1, std::string(line.text, 99));
    expected_file += line.text;

    ASSERT_EQ(read_file("charts.vnt"), expected_file);
    ChartRows rows;
    ASSERT_TRUE(read_chart_rows("charts.vnt", rows));
    ASSERT_EQ(rows, expected_rows);

    const int newest = static_cast<int>(saved.size()) - 1;
    const int earlier = std::uniform_int_distribution<int>(0, newest)(random);
    for (int index : {newest, earlier}) {
      ChartStateRecord read{};
      ASSERT_EQ(load_chart_row("charts.vnt", index, read), chart_read_ok) << index;
      ASSERT_EQ(inputs_of(read), read_back_inputs(saved[index])) << index;
      ASSERT_STREQ(read.date_line, saved[index].date_line) << index;
    }
  }
}

}  // namespace
