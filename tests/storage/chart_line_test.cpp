#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "app/chart_state.h"
#include "storage/chart_line.h"
#include "support/sample_charts.h"
#include "tests/storage/line_helpers.h"

namespace {

const std::string example = line_of(delhi_test_chart());

// A chart with results and a style, so that a read can be seen to keep them.
ChartStateRecord computed_looking_chart() {
  ChartStateRecord chart =
      chart_inputs("Old", 1, 2, 2000, 3, 4, 0, 1, 0, 10, 0, 20, 30, 0, 40, "Before");
  std::strcpy(chart.date_line, "old date line");
  chart.chart_style = 1;
  chart.julian_day = 2451545.5;
  for (int i = 0; i < body_count; ++i) chart.positions[i] = chart.speeds[i] = 100 * i + 7;
  return chart;
}

TEST(ChartLine, ExampleChartIsWrittenColumnByColumn) {
  // Name 0-22, date 23-34 (the year runs into the hour), time 35-45, zone
  // 50-55, longitude 56-64, latitude 66-73, place 75-98.
  EXPECT_EQ(example,
            "Test                   Mar 05, 199007:05:00 AM    -05:30077E13'00 28N38'00 "
            "Delhi                   \n");
}

TEST(ChartLine, ExampleLineGivesBackItsInputsAndKeepsTheResults) {
  ChartStateRecord chart = computed_looking_chart();
  const ChartStateRecord before = chart;
  ASSERT_EQ(read_chart_line(example.c_str(), chart), chart_read_ok);
  EXPECT_EQ(inputs_of(chart), read_back_inputs(delhi_test_chart()));
  EXPECT_EQ(chart.zone_offset, -5.5);
  EXPECT_NEAR(chart.longitude, -77.21666, 1e-5);
  EXPECT_NEAR(chart.latitude, 28.63333, 1e-5);
  EXPECT_STREQ(chart.date_line, "Mar 5, 1990 07:05 Zone: -5:30");

  EXPECT_EQ(chart.julian_day, before.julian_day);
  EXPECT_EQ(std::memcmp(chart.positions, before.positions, sizeof chart.positions), 0);
}

// The example chart under a name of any length up to 23.
ChartStateRecord named_chart(const char* name) {
  ChartStateRecord chart = delhi_test_chart();
  std::strcpy(chart.name, name);
  return chart;
}

TEST(ChartLine, EdgeChartsComeBackWhole) {
  const struct {
    ChartStateRecord chart;
    int column;
    std::string text;
    const char* date_line;
  } cases[] = {
      {delhi_test_chart("Test", 0), 35, "12:05:00 AM", "Mar 5, 1990 00:05 Zone: -5:30"},
      {delhi_test_chart("Test", 11), 35, "11:05:00 AM", "Mar 5, 1990 11:05 Zone: -5:30"},
      {delhi_test_chart("Test", 12), 35, "12:05:00 PM", "Mar 5, 1990 12:05 Zone: -5:30"},
      {delhi_test_chart("Test", 13), 35, "01:05:00 PM", "Mar 5, 1990 13:05 Zone: -5:30"},
      {delhi_test_chart("Test", 23), 35, "11:05:00 PM", "Mar 5, 1990 23:05 Zone: -5:30"},
      {chart_inputs("Edge", 12, 31, 2400, 23, 59, 1, 12, 59, 179, 0, 59, 89, 1, 59,
                    "Far"),
       50, "-12:59179W59'00 89S59'00", "Dec 31, 2400 23:59 Zone: -12:59"},
      {named_chart("Abcdefghijklmnopqrstuvw"), 0, "AbcdefghijklmnopqrstuvwMar",
       "Mar 5, 1990 07:05 Zone: -5:30"},
      // "-" 0:00 and 0 E 0 are zeros: written "+" and "W", read back with flags 0.
      {chart_inputs("Zero", 6, 15, 2000, 12, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, "Greenwich"),
       50, "+00:00000W00'00 00N00'00", "Jun 15, 2000 12:00 Zone: 00:00"}};
  for (const auto& c : cases) {
    const std::string line = line_of(c.chart);
    SCOPED_TRACE(line);
    ASSERT_EQ(line.size(), 100u);
    EXPECT_EQ(line.substr(c.column, c.text.size()), c.text);
    ChartStateRecord back{};
    ASSERT_EQ(read_chart_line(line.c_str(), back), chart_read_ok);
    EXPECT_EQ(inputs_of(back), read_back_inputs(c.chart));
    EXPECT_STREQ(back.date_line, c.date_line);
  }
}

// Months in any letter case, numbers as atoi reads them up to the int limits.
TEST(ChartLine, HandEditedFieldsAreReadLeniently) {
  const struct {
    int column;
    const char* text;
    int ChartStateRecord::*field;
    int value;
  } cases[] = {{23, "mar", &ChartStateRecord::month, 3},
               {23, "MAR", &ChartStateRecord::month, 3},
               {27, " 9", &ChartStateRecord::day, 9},
               {60, "-3", &ChartStateRecord::lon_minutes, -3},
               {66, "ab", &ChartStateRecord::lat_degrees, 0},
               // The latitude minutes run on into the place.
               {69, "2147483647", &ChartStateRecord::lat_minutes, INT_MAX},
               {69, "-2147483648", &ChartStateRecord::lat_minutes, INT_MIN}};
  for (const auto& c : cases) {
    ChartStateRecord chart{};
    ASSERT_EQ(read_chart_line(edited(example, c.column, c.text).c_str(), chart),
              chart_read_ok);
    EXPECT_EQ(chart.*c.field, c.value) << c.text;
  }
}

// Mended: a line naming no month gave month 0, and a number beyond the int
// range overflowed; both are refused whole.
TEST(ChartLine, RefusedLinesLeaveTheChartAsItWas) {
  const struct {
    std::string line;
    ChartReadResult result;
  } cases[] = {
      {edited(example, 23, "Xyz"), chart_read_unknown_month},
      {edited(example, 23, "Ma "), chart_read_unknown_month},
      {"Just a name", chart_read_unknown_month},
      {edited(example, 31, "999999999999"), chart_read_number_too_large},
      {edited(example, 69, "2147483648"), chart_read_number_too_large},
      {example.substr(0, 69) + std::string(300, '9'), chart_read_number_too_large}};
  for (const auto& c : cases) {
    ChartStateRecord chart = computed_looking_chart();
    const ChartStateRecord before = chart;
    EXPECT_EQ(read_chart_line(c.line.c_str(), chart), c.result) << c.line;
    EXPECT_EQ(std::memcmp(&chart, &before, sizeof chart), 0) << c.line;
  }
}

// Mended: columns past the end of a short line are blanks, never what lies
// in memory after the text.
TEST(ChartLine, ShortLineReadsMissingColumnsAsBlanks) {
  char buffer[200];
  std::memset(buffer, '7', sizeof buffer);
  std::memcpy(buffer, example.data(), 62);
  buffer[62] = '\0';  // after the longitude minutes
  ChartStateRecord chart = computed_looking_chart();
  ASSERT_EQ(read_chart_line(buffer, chart), chart_read_ok);
  EXPECT_EQ(chart.lon_minutes, 13);
  EXPECT_EQ(chart.lat_degrees, 0);
  EXPECT_EQ(chart.lat_minutes, 0);
  EXPECT_EQ(std::string(chart.place), padded(""));

  ASSERT_EQ(read_chart_line(edited(example, 40, "\n").c_str(), chart), chart_read_ok);
  EXPECT_EQ(chart.minute, 5);
  EXPECT_EQ(chart.zone_hours, 0);
  EXPECT_EQ(chart.lon_degrees, 0);
}

// Mended: a newline in a name or place split the chart over two lines.
TEST(ChartLine, ControlCharactersAreWrittenAsBlanksAndOtherBytesKept) {
  ChartStateRecord chart = named_chart("Two\nlines\there");
  std::strcpy(chart.place, "M\xc3\xbcnchen\r\x7f\x01");
  const std::string line = line_of(chart);
  ASSERT_EQ(line.size(), 100u);
  EXPECT_EQ(line.substr(0, 23), padded("Two lines here"));
  EXPECT_EQ(line.substr(75), "M\xc3\xbcnchen" + std::string(16, ' ') + "\n");
}

}  // namespace
