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
#include "tests/storage/working_dir_fixture.h"

namespace {

constexpr int cycles = 10000;
// The whole file is read three times after every Save, a character at a
// time: a fresh file every 500 charts keeps that linear, not quadratic.
constexpr int charts_per_file = 500;

std::string padded(const char* text) {
  return text + std::string(23 - std::strlen(text), ' ');
}

// The inputs as a saved line gives them back: name and place padded to 23,
// and a direction flag of a zero value read from its "+", "W" or "N".
void expect_read_back(const ChartStateRecord& saved, const ChartStateRecord& read) {
  EXPECT_EQ(read.name, padded(saved.name));
  EXPECT_EQ(read.place, padded(saved.place));
  EXPECT_STREQ(read.date_line, saved.date_line);
  EXPECT_EQ(read.month, saved.month);
  EXPECT_EQ(read.day, saved.day);
  EXPECT_EQ(read.year, saved.year);
  EXPECT_EQ(read.hour, saved.hour);
  EXPECT_EQ(read.minute, saved.minute);
  EXPECT_EQ(read.zone_hours, saved.zone_hours);
  EXPECT_EQ(read.zone_minutes, saved.zone_minutes);
  EXPECT_EQ(read.zone_offset, saved.zone_offset);
  EXPECT_EQ(read.zone_dir, saved.zone_offset == 0 ? 0 : saved.zone_dir);
  EXPECT_EQ(read.lon_degrees, saved.lon_degrees);
  EXPECT_EQ(read.lon_minutes, saved.lon_minutes);
  EXPECT_EQ(read.longitude, saved.longitude);
  EXPECT_EQ(read.lon_dir, saved.longitude == 0 ? 0 : saved.lon_dir);
  EXPECT_EQ(read.lat_degrees, saved.lat_degrees);
  EXPECT_EQ(read.lat_minutes, saved.lat_minutes);
  EXPECT_EQ(read.latitude, saved.latitude);
  EXPECT_EQ(read.lat_dir, saved.latitude == 0 ? 0 : saved.lat_dir);
}

class ChartFileSoak : public WorkingDirTest {};

TEST_F(ChartFileSoak, SavesAndOpensOfRandomChartsKeepEveryLine) {
  std::mt19937 random(8);
  std::vector<ChartStateRecord> saved;
  std::vector<std::string> lines;
  std::string expected_file;

  for (int cycle = 0; cycle < cycles; ++cycle) {
    if (cycle % charts_per_file == 0) {
      std::remove("charts.vnt");
      saved.clear();
      lines.clear();
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
    ASSERT_TRUE(append_chart_line("charts.vnt", line)) << "save " << cycle;
    lines.emplace_back(line.text, 99);
    expected_file += line.text;

    ASSERT_EQ(read_file("charts.vnt"), expected_file) << "save " << cycle;
    ChartRows rows;
    ASSERT_TRUE(read_chart_rows("charts.vnt", rows));
    ASSERT_EQ(rows.size(), lines.size() + 1) << "save " << cycle;
    for (std::size_t row = 0; row < lines.size(); ++row)
      ASSERT_EQ(rows[row], lines[row]) << "save " << cycle << ", row " << row;
    ASSERT_TRUE(rows.back().empty());

    const int newest = static_cast<int>(saved.size()) - 1;
    const int earlier = std::uniform_int_distribution<int>(0, newest)(random);
    for (int index : {newest, earlier}) {
      ChartStateRecord read = {};
      ASSERT_EQ(load_chart_row("charts.vnt", index, read), chart_read_ok)
          << "save " << cycle << ", row " << index;
      SCOPED_TRACE(testing::Message() << "save " << cycle << ", row " << index);
      expect_read_back(saved[index], read);
      if (HasFailure()) return;
    }
  }
}

}  // namespace
