#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/chart_state.h"
#include "storage/chart_line.h"
#include "storage/chart_rows.h"
#include "support/sample_charts.h"
#include "tests/storage/line_helpers.h"
#include "tests/storage/working_dir_fixture.h"

namespace {

std::string row_of(const char* name) { return delhi_chart_line(name).substr(0, 99); }

class ChartRowsTest : public WorkingDirTest {
 protected:
  ChartRows rows_of(const std::string& content) {
    write_file("charts.vnt", content);
    ChartRows rows;
    EXPECT_TRUE(read_chart_rows("charts.vnt", rows));
    return rows;
  }
};

TEST_F(ChartRowsTest, ThreeChartsGiveFourRowsTheLastEmpty) {
  EXPECT_EQ(rows_of(delhi_chart_line("One") + delhi_chart_line("Two") +
                    delhi_chart_line("Three")),
            (ChartRows{row_of("One"), row_of("Two"), row_of("Three"), ""}));
}

// Mended: the empty last row and the one row of an empty file hold no line;
// choosing them loaded the last line again or parsed a buffer no read filled.
TEST_F(ChartRowsTest, RowsWithoutALineLoadNothing) {
  ChartStateRecord chart = delhi_test_chart("Shown");
  const ChartStateRecord before = chart;
  rows_of(delhi_chart_line("One") + delhi_chart_line("Two"));
  for (int index : {2, 3, -1})
    EXPECT_EQ(load_chart_row("charts.vnt", index, chart), chart_read_no_line) << index;
  EXPECT_EQ(rows_of(""), ChartRows{""});
  EXPECT_EQ(load_chart_row("charts.vnt", 0, chart), chart_read_no_line);
  EXPECT_EQ(std::memcmp(&chart, &before, sizeof chart), 0);
}

// Mended: a hand-edited file with a long line, a NUL and no final newline.
// Whatever the list shows as row N is what row N loads.
TEST_F(ChartRowsTest, ListAndLoaderAgreeOnEveryRow) {
  const std::string long_row = row_of("Long") + std::string(60, '#');
  const ChartRows rows =
      rows_of(long_row + "\n" + delhi_chart_line("After long") + row_of("Before NUL") +
              '\0' + delhi_chart_line("After NUL") + row_of("Last"));
  EXPECT_EQ(rows, (ChartRows{long_row, row_of("After long"), row_of("Before NUL"),
                             row_of("After NUL"), row_of("Last")}));
  const char* names[] = {"Long", "After long", "Before NUL", "After NUL", "Last"};
  for (int index = 0; index < 5; ++index) {
    ChartStateRecord chart{};
    ASSERT_EQ(load_chart_row("charts.vnt", index, chart), chart_read_ok) << index;
    EXPECT_EQ(std::string(chart.name), padded(names[index]));
    EXPECT_EQ(chart.lat_minutes, 38) << index;
  }
}

TEST_F(ChartRowsTest, RowEndsAt1023CharactersAndDropsTheNext) {
  std::string text(1500, 'a');
  text[1022] = 'b';  // the last one kept
  text[1023] = 'c';  // dropped
  EXPECT_EQ(rows_of(text + "\n"),
            (ChartRows{text.substr(0, 1023), text.substr(1024), ""}));
  EXPECT_EQ(rows_of(std::string(1023, 'x') + "\n").size(), 2u);
}

}  // namespace
