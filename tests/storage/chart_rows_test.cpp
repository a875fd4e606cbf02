#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/chart_state.h"
#include "storage/chart_line.h"
#include "storage/chart_rows.h"
#include "support/sample_charts.h"
#include "tests/storage/working_dir_fixture.h"

namespace {

std::string without_newline(const std::string& line) {
  return line.substr(0, line.size() - 1);
}

std::string padded(const char* name) {
  std::string text = name;
  return text + std::string(23 - text.size(), ' ');
}

ChartStateRecord marked_chart() {
  ChartStateRecord chart{};
  std::strcpy(chart.name, "Shown");
  chart.month = 7;
  chart.julian_day = 123.0;
  chart.positions[1] = 4321;
  return chart;
}

class ChartRowsTest : public WorkingDirTest {};

TEST_F(ChartRowsTest, ThreeChartsGiveFourRowsTheLastEmpty) {
  write_file("charts.vnt", delhi_chart_line("One") + delhi_chart_line("Two") +
                               delhi_chart_line("Three"));
  ChartRows rows;
  ASSERT_TRUE(read_chart_rows("charts.vnt", rows));
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0], without_newline(delhi_chart_line("One")));
  EXPECT_EQ(rows[1], without_newline(delhi_chart_line("Two")));
  EXPECT_EQ(rows[2], without_newline(delhi_chart_line("Three")));
  EXPECT_EQ(rows[3], "");

  for (int index = 0; index < 3; ++index) {
    ChartStateRecord chart{};
    ASSERT_EQ(load_chart_row("charts.vnt", index, chart), chart_read_ok);
    EXPECT_EQ(std::string(chart.name), padded(index == 0   ? "One"
                                              : index == 1 ? "Two"
                                                           : "Three"));
  }
}

TEST_F(ChartRowsTest, AbsentFileGivesNoRowsAndCannotBeLoaded) {
  ChartRows rows{"left over"};
  EXPECT_FALSE(read_chart_rows("charts.vnt", rows));
  EXPECT_TRUE(rows.empty());

  ChartStateRecord chart = marked_chart();
  const ChartStateRecord before = chart;
  EXPECT_EQ(load_chart_row("charts.vnt", 0, chart), chart_read_file_unreadable);
  EXPECT_EQ(std::memcmp(&chart, &before, sizeof chart), 0);
}

// Mended: the empty last row and the one row of an empty file hold no line;
// choosing them must not load the last line again nor an unfilled buffer.
TEST_F(ChartRowsTest, RowsWithoutALineLoadNothing) {
  write_file("charts.vnt", delhi_chart_line("One") + delhi_chart_line("Two"));
  ChartStateRecord chart = marked_chart();
  const ChartStateRecord before = chart;
  EXPECT_EQ(load_chart_row("charts.vnt", 2, chart), chart_read_no_line);
  EXPECT_EQ(load_chart_row("charts.vnt", 3, chart), chart_read_no_line);
  EXPECT_EQ(load_chart_row("charts.vnt", -1, chart), chart_read_no_line);
  EXPECT_EQ(std::memcmp(&chart, &before, sizeof chart), 0);

  write_file("charts.vnt", "");
  ChartRows rows;
  ASSERT_TRUE(read_chart_rows("charts.vnt", rows));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], "");
  EXPECT_EQ(load_chart_row("charts.vnt", 0, chart), chart_read_no_line);
  EXPECT_EQ(std::memcmp(&chart, &before, sizeof chart), 0);
}

// Mended: a hand-edited file with a long line, a NUL and no final newline.
// Whatever the list shows as row N is what row N loads.
TEST_F(ChartRowsTest, ListAndLoaderAgreeOnEveryRow) {
  const std::string long_line = without_newline(delhi_chart_line("Long")) +
                                std::string(60, '#') + "\n";  // 159 chars
  const std::string content = long_line + delhi_chart_line("After long") +
                              without_newline(delhi_chart_line("Before NUL")) + '\0' +
                              delhi_chart_line("After NUL") +
                              without_newline(delhi_chart_line("Last"));
  write_file("charts.vnt", content);

  ChartRows rows;
  ASSERT_TRUE(read_chart_rows("charts.vnt", rows));
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0], without_newline(long_line));
  EXPECT_EQ(rows[1], without_newline(delhi_chart_line("After long")));
  EXPECT_EQ(rows[2], without_newline(delhi_chart_line("Before NUL")));
  EXPECT_EQ(rows[3], without_newline(delhi_chart_line("After NUL")));
  EXPECT_EQ(rows[4], without_newline(delhi_chart_line("Last")));

  const char* names[] = {"Long", "After long", "Before NUL", "After NUL", "Last"};
  for (int index = 0; index < 5; ++index) {
    ChartStateRecord chart{};
    ASSERT_EQ(load_chart_row("charts.vnt", index, chart), chart_read_ok) << index;
    EXPECT_EQ(std::string(chart.name), padded(names[index])) << index;
    EXPECT_EQ(chart.lat_minutes, 38) << index;
  }
}

TEST_F(ChartRowsTest, RowEndsAt1023CharactersAndDropsTheNext) {
  std::string text(1500, 'a');
  text[1022] = 'b';  // the last one kept
  text[1023] = 'c';  // dropped
  text[1024] = 'd';  // first of the next row
  write_file("charts.vnt", text + "\n");
  ChartRows rows;
  ASSERT_TRUE(read_chart_rows("charts.vnt", rows));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], text.substr(0, 1023));
  EXPECT_EQ(rows[1], text.substr(1024));
  EXPECT_EQ(rows[2], "");

  // Exactly 1023 characters and a newline: one row, the newline ends it.
  write_file("charts.vnt", std::string(1023, 'x') + "\n");
  ASSERT_TRUE(read_chart_rows("charts.vnt", rows));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].size(), 1023u);
}

TEST_F(ChartRowsTest, RefusedLinesLeaveTheChart) {
  std::string bad_month = delhi_chart_line("Bad");
  bad_month.replace(23, 3, "Foo");
  std::string huge = delhi_chart_line("Huge");
  huge.replace(54, 10, "9999999999");
  write_file("charts.vnt", bad_month + huge + "\n");

  ChartStateRecord chart = marked_chart();
  const ChartStateRecord before = chart;
  EXPECT_EQ(load_chart_row("charts.vnt", 0, chart), chart_read_unknown_month);
  EXPECT_EQ(load_chart_row("charts.vnt", 1, chart), chart_read_number_too_large);
  EXPECT_EQ(load_chart_row("charts.vnt", 2, chart), chart_read_no_line);  // blank line
  EXPECT_EQ(std::memcmp(&chart, &before, sizeof chart), 0);
}

}  // namespace
