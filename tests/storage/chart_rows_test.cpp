#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/chart_state.h"
#include "storage/chart_line.h"
#include "storage/chart_rows.h"
#include "support/sample_charts.h"
#include "tests/storage/line_helpers.h"
#include "tests/storage/working_dir_fixture.h"

namespace {

using Rows = std::vector<std::string>;

std::string row_of(const char* name) { return delhi_chart_line(name).substr(0, 99); }

class ChartRowsTest : public WorkingDirTest {
 protected:
  // The rows the list shows; numbers gets their rows in the file.
  Rows listed_rows(ChartReadResult expected = chart_read_ok) {
    Rows rows;
    numbers.clear();
    EXPECT_EQ(read_chart_rows("charts.vnt",
                              [&](std::size_t number, const char* text) {
                                numbers.push_back(number);
                                rows.emplace_back(text);
                                return true;
                              }),
              expected);
    return rows;
  }
  Rows rows_of(const std::string& content, ChartReadResult expected = chart_read_ok) {
    write_file("charts.vnt", content);
    return listed_rows(expected);
  }

  std::vector<std::size_t> numbers;
};

TEST_F(ChartRowsTest, ThreeChartsGiveThreeRows) {
  EXPECT_EQ(rows_of(delhi_chart_line("One") + delhi_chart_line("Two") +
                    delhi_chart_line("Three")),
            (Rows{row_of("One"), row_of("Two"), row_of("Three")}));
}

// Mended: the empty last row and the one row of an empty file hold no line;
// choosing them loaded the last line again or parsed a buffer no read filled.
TEST_F(ChartRowsTest, RowsWithoutALineLoadNothing) {
  ChartStateRecord chart = delhi_test_chart("Shown");
  const ChartStateRecord before = chart;
  rows_of(delhi_chart_line("One") + delhi_chart_line("Two"));
  for (int index : {2, 3, -1})
    EXPECT_EQ(load_chart_row("charts.vnt", index, chart), chart_read_no_line) << index;
  EXPECT_EQ(rows_of("", chart_read_no_chart), Rows{});
  EXPECT_EQ(load_chart_row("charts.vnt", 0, chart), chart_read_no_line);
  EXPECT_EQ(std::memcmp(&chart, &before, sizeof chart), 0);
}

// Mended: a hand-edited file with a long line, a NUL and no final newline.
// Whatever the list shows as row N is what row N loads.
TEST_F(ChartRowsTest, ListAndLoaderAgreeOnEveryRow) {
  const std::string long_row = row_of("Long") + std::string(60, '#');
  const Rows rows =
      rows_of(long_row + "\n" + delhi_chart_line("After long") + row_of("Before NUL") +
              '\0' + delhi_chart_line("After NUL") + row_of("Last"));
  EXPECT_EQ(rows, (Rows{long_row, row_of("After long"), row_of("Before NUL"),
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
  EXPECT_EQ(rows_of(text + "\n"), (Rows{text.substr(0, 1023), text.substr(1024)}));
  EXPECT_EQ(rows_of(std::string(1023, 'x') + "\n").size(), 1u);
}

// Mended: the byte-order mark and the carriage returns of other editors
// spoiled the month and the place. Folders, devices, FIFOs and files of NULs
// are refused, by the window and the printer alike (their tests).
TEST_F(ChartRowsTest, LinesFromOtherEditors) {
  const std::string trimmed = delhi_chart_line("Trimmed").substr(0, 80);  // to "Delhi"
  EXPECT_EQ(rows_of("\xEF\xBB\xBF" + trimmed + "\r\n\r\n" + row_of("CRLF") + "\r\n"),
            (Rows{trimmed, row_of("CRLF")}));
  EXPECT_EQ(numbers, (std::vector<std::size_t>{0, 2}));
  ChartStateRecord chart{};
  ASSERT_EQ(load_chart_row("charts.vnt", 0, chart), chart_read_ok);
  EXPECT_EQ(std::string(chart.name), padded("Trimmed"));
  EXPECT_EQ(std::string(chart.place), padded("Delhi"));
}

}  // namespace
