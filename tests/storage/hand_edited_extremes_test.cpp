// Hand-edited chart lines at the edges of what the reader lets in: a date
// beyond the calendar arithmetic is refused, and every other accepted value,
// up to the int range, computes and draws a whole chart.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "app/chart_state.h"
#include "chart/compute_chart.h"
#include "display/chart_blocks.h"
#include "storage/chart_line.h"
#include "support/recording_canvas.h"
#include "support/sample_charts.h"

namespace {

std::string example_line() { return line_of(delhi_test_chart()); }

std::string with_text_at(int column, const std::string& text) {
  std::string line = example_line();
  line.replace(column, text.size(), text);
  return line;
}

ChartStateRecord some_chart() {
  ChartStateRecord chart;
  std::memset(&chart, 0x41, sizeof chart);
  chart.name[31] = chart.place[31] = chart.date_line[63] = '\0';
  return chart;
}

// "Mar 05, 1990": a month of the table, two day digits, a comma and a year.
bool is_date_text(const std::string& text) {
  if (text.size() < 9 || text.compare(6, 2, ", ") != 0) return false;
  bool month = false;
  for (const char* abbrev : MonthAbbrev) month = month || text.compare(0, 3, abbrev) == 0;
  const auto digit = [&text](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
  std::size_t i = text[8] == '-' ? 9 : 8;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i)
    if (!digit(i)) return false;
  return month && text[3] == ' ' && digit(4) && digit(5);
}

void expect_refused_as_out_of_range(const std::string& line) {
  ChartStateRecord chart = some_chart();
  const ChartStateRecord before = chart;
  EXPECT_EQ(read_chart_line(line.c_str(), chart), chart_read_date_out_of_range) << line;
  EXPECT_EQ(std::memcmp(&chart, &before, sizeof chart), 0) << line;
}

// Mended: julian_day_number works in 32-bit ints (12 * year, 365 * a) and
// overflowed for years beyond about 490000; a day near INT_MAX overflowed its sum.
TEST(HandEditedExtremes, DayOrYearBeyondTheCalendarIsRefused) {
  // The year's number runs on through the two hour digits.
  expect_refused_as_out_of_range(with_text_at(31, "10000007:05"));
  expect_refused_as_out_of_range(with_text_at(31, "-10000007:05"));
  expect_refused_as_out_of_range(with_text_at(31, "214748364"));
  // The day's number runs on into the year's columns.
  expect_refused_as_out_of_range(with_text_at(27, "100000:"));
  expect_refused_as_out_of_range(with_text_at(27, "-100000"));
  expect_refused_as_out_of_range(with_text_at(27, "2147483647"));
  EXPECT_STREQ(chart_read_message(chart_read_date_out_of_range),
               "Date out of range in chart line!");
}

TEST(HandEditedExtremes, DayAndYearUpTo99999AreRead) {
  ChartStateRecord chart = some_chart();
  ASSERT_EQ(read_chart_line(with_text_at(31, "9999907:").c_str(), chart), chart_read_ok);
  EXPECT_EQ(chart.year, 99999);
  ASSERT_EQ(read_chart_line(with_text_at(31, "-9999907:").c_str(), chart), chart_read_ok);
  EXPECT_EQ(chart.year, -99999);
  ASSERT_EQ(read_chart_line(with_text_at(27, "99999:").c_str(), chart), chart_read_ok);
  EXPECT_EQ(chart.day, 99999);
  ASSERT_EQ(read_chart_line(with_text_at(27, "-99999:").c_str(), chart), chart_read_ok);
  EXPECT_EQ(chart.day, -99999);
}

// Mended: the header's zone took the whole part of zone_offset as an int,
// which a zone of INT_MAX hours and some minutes passes.
TEST(HandEditedExtremes, ZoneBeyondTheIntRangeKeepsItsWholePartInTheHeader) {
  ChartStateRecord chart = some_chart();
  // Zone hours 2147483647; the zone minutes' number runs on to 7483647.
  ASSERT_EQ(read_chart_line(with_text_at(50, "+2147483647'").c_str(), chart),
            chart_read_ok);
  EXPECT_EQ(chart.zone_hours, INT_MAX);
  EXPECT_EQ(chart.zone_minutes, 7483);
  EXPECT_STREQ(chart.date_line, "Mar 5, 1990 07:05 Zone: 2147483771:7483");
  ASSERT_EQ(read_chart_line(with_text_at(50, "-2147483647'").c_str(), chart),
            chart_read_ok);
  EXPECT_STREQ(chart.date_line, "Mar 5, 1990 07:05 Zone: -2147483771:7483");
}

// Mended: format_date's truncations gave months of 0 and below (an index
// before MonthAbbrev) for the negative day numbers of such lines.
TEST(HandEditedExtremes, AcceptedExtremesComputeAndDrawAWholeChart) {
  // The year's number would run on into a long hour: it stops at column 34.
  const std::string lines[] = {
      with_text_at(31, "9999907:"),       with_text_at(31, "-9999907:"),
      with_text_at(27, "99999:"),         with_text_at(27, "-99999:"),
      with_text_at(31, "199:2147483647"), with_text_at(31, "199:-2147483648"),
      with_text_at(38, "2147483647"),     with_text_at(38, "-2147483648"),
      with_text_at(50, "+2147483647'"),   with_text_at(50, "-2147483647'"),
      with_text_at(50, "--2147483648'"),  with_text_at(55, ":2147483647 1"),
      with_text_at(66, "-2147483648"),
  };
  for (const std::string& line : lines) {
    SCOPED_TRACE(line);
    ChartState = {};
    ASSERT_EQ(read_chart_line(line.c_str(), ChartState), chart_read_ok);
    compute_chart();
    for (int body = 0; body < body_count; ++body) {
      EXPECT_GE(ChartState.positions[body], 0);
      EXPECT_LE(ChartState.positions[body], 21599);
    }
    RecordingCanvas canvas;
    draw_chart_blocks(canvas);
    int dates = 0;
    for (const DrawCall& text : canvas.texts()) {
      // The dasha dates stand 40 pixels right of their labels.
      if (text.y1 < 552 || (text.x1 != 48 && text.x1 != 178 && text.x1 != 308)) continue;
      ++dates;
      EXPECT_TRUE(is_date_text(text.text)) << text.text;
    }
    EXPECT_GE(dates, 73);
  }
}

}  // namespace
