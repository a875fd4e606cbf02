// Hand-edited chart lines at the edges of what the reader lets in: a date
// beyond the calendar arithmetic is refused, and every other accepted value,
// up to the int range, computes and draws a whole chart.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <regex>
#include <string>

#include "app/chart_state.h"
#include "chart/compute_chart.h"
#include "display/chart_blocks.h"
#include "storage/chart_line.h"
#include "support/recording_canvas.h"
#include "support/sample_charts.h"
#include "tests/storage/line_helpers.h"

namespace {

const std::string example = line_of(delhi_test_chart());

// Mended: julian_day_number works in 32-bit ints (12 * year, 365 * a) and
// overflowed for years beyond about 490000; a day near INT_MAX overflowed its sum.
TEST(HandEditedExtremes, DayOrYearBeyondTheCalendarIsRefused) {
  // The year's number runs on through the two hour digits, the day's into the year.
  const std::pair<int, const char*> edits[] = {{31, "10000007:05"}, {31, "-10000007:05"},
                                               {31, "214748364"},   {27, "100000:"},
                                               {27, "-100000"},     {27, "2147483647"}};
  for (const auto& [column, text] : edits) {
    ChartStateRecord chart = delhi_test_chart("Kept");
    const ChartStateRecord before = chart;
    EXPECT_EQ(read_chart_line(edited(example, column, text).c_str(), chart),
              chart_read_date_out_of_range)
        << text;
    EXPECT_EQ(std::memcmp(&chart, &before, sizeof chart), 0) << text;
  }
  EXPECT_STREQ(chart_read_message(chart_read_date_out_of_range),
               "Date out of range in chart line!");
}

// Mended: the header's zone took the whole part of zone_offset as an int,
// which a zone of INT_MAX hours and some minutes passes.
TEST(HandEditedExtremes, ZoneBeyondTheIntRangeKeepsItsWholePartInTheHeader) {
  ChartStateRecord chart{};
  // Zone hours 2147483647; the zone minutes' number runs on to 7483647.
  ASSERT_EQ(read_chart_line(edited(example, 50, "+2147483647'").c_str(), chart),
            chart_read_ok);
  EXPECT_EQ(chart.zone_hours, INT_MAX);
  EXPECT_EQ(chart.zone_minutes, 7483);
  EXPECT_STREQ(chart.date_line, "Mar 5, 1990 07:05 Zone: 2147483771:7483");
  ASSERT_EQ(read_chart_line(edited(example, 50, "-2147483647'").c_str(), chart),
            chart_read_ok);
  EXPECT_STREQ(chart.date_line, "Mar 5, 1990 07:05 Zone: -2147483771:7483");
}

// Mended: format_date's truncations gave months of 0 and below (an index
// before MonthAbbrev) for the negative day numbers of such lines.
TEST(HandEditedExtremes, AcceptedExtremesComputeAndDrawAWholeChart) {
  const std::regex date(
      "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) \\d\\d, -?\\d+");
  // Days and years up to 99999 either way; the year's number would run on into
  // a long hour, but stops at column 34.
  const std::pair<int, const char*> edits[] = {
      {31, "9999907:"},     {31, "-9999907:"},      {27, "99999:"},
      {27, "-99999:"},      {31, "199:2147483647"}, {31, "199:-2147483648"},
      {38, "2147483647"},   {38, "-2147483648"},    {50, "+2147483647'"},
      {50, "-2147483647'"}, {50, "--2147483648'"},  {55, ":2147483647 1"},
      {66, "-2147483648"}};
  for (const auto& [column, text] : edits) {
    SCOPED_TRACE(text);
    ChartState = {};
    ASSERT_EQ(read_chart_line(edited(example, column, text).c_str(), ChartState),
              chart_read_ok);
    compute_chart();
    for (int position : ChartState.positions) {
      EXPECT_GE(position, 0);
      EXPECT_LE(position, 21599);
    }
    RecordingCanvas canvas;
    draw_chart_blocks(canvas);
    int dates = 0;
    for (const DrawCall& call : canvas.texts()) {
      // The dasha dates stand 40 pixels right of their labels.
      if (call.y1 < 552 || (call.x1 != 48 && call.x1 != 178 && call.x1 != 308)) continue;
      ++dates;
      EXPECT_TRUE(std::regex_match(call.text, date)) << call.text;
    }
    EXPECT_GE(dates, 73);
  }
}

}  // namespace
