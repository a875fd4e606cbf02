#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/chart_state.h"
#include "storage/chart_line.h"
#include "support/sample_charts.h"

namespace {

std::string columns(const std::string& line, int first, int last) {
  return line.substr(first, last - first + 1);
}

// A chart with results and a style, so that a read can be seen to keep them.
ChartStateRecord computed_looking_chart() {
  ChartStateRecord chart =
      chart_inputs("Old", 1, 2, 2000, 3, 4, 0, 1, 0, 10, 0, 20, 30, 0, 40, "Before");
  std::strcpy(chart.date_line, "old date line");
  chart.chart_style = 1;
  chart.julian_day = 2451545.5;
  for (int i = 0; i < body_count; ++i) {
    chart.positions[i] = 100 * i + 7;
    chart.speeds[i] = -3 * i;
  }
  return chart;
}

void expect_same_record(const ChartStateRecord& a, const ChartStateRecord& b) {
  EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);
}

TEST(ChartLineWrite, ExampleChartFillsEveryColumn) {
  const std::string line = line_of(delhi_test_chart());
  ASSERT_EQ(line.size(), 100u);
  EXPECT_EQ(columns(line, 0, 22), "Test" + std::string(19, ' '));
  EXPECT_EQ(columns(line, 23, 25), "Mar");
  EXPECT_EQ(columns(line, 26, 26), " ");
  EXPECT_EQ(columns(line, 27, 28), "05");
  EXPECT_EQ(columns(line, 29, 30), ", ");
  EXPECT_EQ(columns(line, 31, 36), "199007");
  EXPECT_EQ(columns(line, 37, 37), ":");
  EXPECT_EQ(columns(line, 38, 39), "05");
  EXPECT_EQ(columns(line, 40, 42), ":00");
  EXPECT_EQ(columns(line, 43, 43), " ");
  EXPECT_EQ(columns(line, 44, 45), "AM");
  EXPECT_EQ(columns(line, 46, 49), "    ");
  EXPECT_EQ(columns(line, 50, 50), "-");
  EXPECT_EQ(columns(line, 51, 52), "05");
  EXPECT_EQ(columns(line, 53, 53), ":");
  EXPECT_EQ(columns(line, 54, 58), "30077");
  EXPECT_EQ(columns(line, 59, 59), "E");
  EXPECT_EQ(columns(line, 60, 61), "13");
  EXPECT_EQ(columns(line, 62, 64), "'00");
  EXPECT_EQ(columns(line, 65, 65), " ");
  EXPECT_EQ(columns(line, 66, 67), "28");
  EXPECT_EQ(columns(line, 68, 68), "N");
  EXPECT_EQ(columns(line, 69, 70), "38");
  EXPECT_EQ(columns(line, 71, 73), "'00");
  EXPECT_EQ(columns(line, 74, 74), " ");
  EXPECT_EQ(columns(line, 75, 98), "Delhi" + std::string(19, ' '));
  EXPECT_EQ(columns(line, 99, 99), "\n");
}

TEST(ChartLineRead, ExampleLineGivesBackTheInputsAndKeepsTheResults) {
  const std::string line = line_of(delhi_test_chart());
  ChartStateRecord chart = computed_looking_chart();
  const ChartStateRecord before = chart;
  ASSERT_EQ(read_chart_line(line.c_str(), chart), chart_read_ok);

  EXPECT_EQ(std::string(chart.name), "Test" + std::string(19, ' '));
  EXPECT_EQ(chart.month, 3);
  EXPECT_EQ(chart.day, 5);
  EXPECT_EQ(chart.year, 1990);
  EXPECT_EQ(chart.hour, 7);
  EXPECT_EQ(chart.minute, 5);
  EXPECT_EQ(chart.zone_hours, 5);
  EXPECT_EQ(chart.zone_minutes, 30);
  EXPECT_EQ(chart.zone_dir, 1);
  EXPECT_EQ(chart.zone_offset, -5.5);
  EXPECT_STREQ(chart.date_line, "Mar 5, 1990 07:05 Zone: -5:30");
  EXPECT_EQ(chart.lon_degrees, 77);
  EXPECT_EQ(chart.lon_minutes, 13);
  EXPECT_EQ(chart.lon_dir, 1);
  EXPECT_EQ(chart.longitude, -(77 + 13 / 60.0));
  EXPECT_NEAR(chart.longitude, -77.21666, 1e-5);
  EXPECT_EQ(chart.lat_degrees, 28);
  EXPECT_EQ(chart.lat_minutes, 38);
  EXPECT_EQ(chart.lat_dir, 0);
  EXPECT_EQ(chart.latitude, 28 + 38 / 60.0);
  EXPECT_NEAR(chart.latitude, 28.63333, 1e-5);
  EXPECT_EQ(std::string(chart.place), "Delhi" + std::string(18, ' '));

  EXPECT_EQ(chart.chart_style, before.chart_style);
  EXPECT_EQ(chart.julian_day, before.julian_day);
  EXPECT_EQ(std::memcmp(chart.positions, before.positions, sizeof chart.positions), 0);
  EXPECT_EQ(std::memcmp(chart.speeds, before.speeds, sizeof chart.speeds), 0);
}

TEST(ChartLineRoundTrip, TwelveHourClockBothWays) {
  const struct {
    int hour;
    const char* clock;
    const char* half;
  } cases[] = {{0, "12", "AM"},
               {11, "11", "AM"},
               {12, "12", "PM"},
               {13, "01", "PM"},
               {23, "11", "PM"}};
  for (const auto& c : cases) {
    ChartStateRecord chart = delhi_test_chart();
    chart.hour = c.hour;
    const std::string line = line_of(chart);
    EXPECT_EQ(columns(line, 35, 36), c.clock) << c.hour;
    EXPECT_EQ(columns(line, 44, 45), c.half) << c.hour;
    ChartStateRecord back{};
    ASSERT_EQ(read_chart_line(line.c_str(), back), chart_read_ok);
    EXPECT_EQ(back.hour, c.hour);
    EXPECT_EQ(back.year, 1990) << "the year number runs on through the hour digits";
  }
}

TEST(ChartLineRead, MonthInAnyLetterCase) {
  std::string line = line_of(delhi_test_chart());
  for (const char* month : {"mar", "MAR", "mAr"}) {
    line.replace(23, 3, month);
    ChartStateRecord chart{};
    ASSERT_EQ(read_chart_line(line.c_str(), chart), chart_read_ok) << month;
    EXPECT_EQ(chart.month, 3) << month;
    EXPECT_STREQ(chart.date_line, "Mar 5, 1990 07:05 Zone: -5:30");
  }
}

TEST(ChartLineRoundTrip, WidestZoneLongitudeAndLatitude) {
  const ChartStateRecord chart =
      chart_inputs("Edge", 12, 31, 2400, 23, 59, 1, 12, 59, 179, 0, 59, 89, 1, 59, "Far");
  const std::string line = line_of(chart);
  ASSERT_EQ(line.size(), 100u);
  EXPECT_EQ(columns(line, 50, 55), "-12:59");
  EXPECT_EQ(columns(line, 56, 64), "179W59'00");
  EXPECT_EQ(columns(line, 66, 73), "89S59'00");

  ChartStateRecord back{};
  ASSERT_EQ(read_chart_line(line.c_str(), back), chart_read_ok);
  EXPECT_EQ(back.zone_hours, 12);
  EXPECT_EQ(back.zone_minutes, 59);
  EXPECT_EQ(back.zone_dir, 1);
  EXPECT_EQ(back.zone_offset, chart.zone_offset);
  EXPECT_EQ(back.lon_degrees, 179);
  EXPECT_EQ(back.lon_minutes, 59);
  EXPECT_EQ(back.lon_dir, 0);
  EXPECT_EQ(back.longitude, chart.longitude);
  EXPECT_EQ(back.lat_degrees, 89);
  EXPECT_EQ(back.lat_minutes, 59);
  EXPECT_EQ(back.lat_dir, 1);
  EXPECT_EQ(back.latitude, chart.latitude);
  EXPECT_EQ(back.year, 2400);
  EXPECT_EQ(back.month, 12);
  EXPECT_EQ(back.day, 31);
  EXPECT_STREQ(back.date_line, "Dec 31, 2400 23:59 Zone: -12:59");
}

TEST(ChartLineRoundTrip, TwentyThreeCharacterNameRunsIntoTheMonth) {
  const char* name = "Abcdefghijklmnopqrstuvw";
  ChartStateRecord chart = delhi_test_chart();
  std::strcpy(chart.name, name);
  const std::string line = line_of(chart);
  EXPECT_EQ(line.substr(0, 26), std::string(name) + "Mar");
  ChartStateRecord back{};
  ASSERT_EQ(read_chart_line(line.c_str(), back), chart_read_ok);
  EXPECT_STREQ(back.name, name);
}

TEST(ChartLineRoundTrip, ZeroZoneAndLongitudeComeBackWithFlagsCleared) {
  // "-" 0:00 and 0 0 E: the values are (negative) zero, which is written "+" and "W".
  const ChartStateRecord chart =
      chart_inputs("Zero", 6, 15, 2000, 12, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, "Greenwich");
  ASSERT_EQ(chart.zone_dir, 1);
  ASSERT_EQ(chart.lon_dir, 1);
  const std::string line = line_of(chart);
  EXPECT_EQ(columns(line, 50, 50), "+");
  EXPECT_EQ(columns(line, 59, 59), "W");
  EXPECT_EQ(columns(line, 68, 68), "N");

  ChartStateRecord back{};
  ASSERT_EQ(read_chart_line(line.c_str(), back), chart_read_ok);
  EXPECT_EQ(back.zone_dir, 0);
  EXPECT_EQ(back.lon_dir, 0);
  EXPECT_EQ(back.lat_dir, 0);
  EXPECT_EQ(back.zone_offset, 0.0);
  EXPECT_EQ(back.longitude, 0.0);
  EXPECT_EQ(back.latitude, 0.0);
  EXPECT_STREQ(back.date_line, "Jun 15, 2000 12:00 Zone: 00:00");
}

// Mended: a newline in a name or place would split the chart over two lines.
TEST(ChartLineWrite, ControlCharactersInNameAndPlaceBecomeBlanks) {
  ChartStateRecord chart = delhi_test_chart();
  std::strcpy(chart.name, "Two\nlines\there");
  std::strcpy(chart.place, "New\rDelhi\x7f\x01");
  const std::string line = line_of(chart);
  ASSERT_EQ(line.size(), 100u);
  EXPECT_EQ(line.find('\n'), 99u);
  EXPECT_EQ(columns(line, 0, 22), "Two lines here" + std::string(9, ' '));
  EXPECT_EQ(columns(line, 75, 98), "New Delhi  " + std::string(13, ' '));

  ChartStateRecord back{};
  ASSERT_EQ(read_chart_line(line.c_str(), back), chart_read_ok);
  EXPECT_EQ(back.lat_minutes, 38);
}

TEST(ChartLineWrite, NonAsciiNamesAreKept) {
  ChartStateRecord chart = delhi_test_chart();
  std::strcpy(chart.name, "M\xc3\xbcnchen");
  EXPECT_EQ(line_of(chart).substr(0, 8), "M\xc3\xbcnchen");
}

// Mended: columns past the end of a short line are blanks, never what lies
// in memory after the text.
TEST(ChartLineRead, ShortLineReadsMissingColumnsAsBlanks) {
  const std::string full = line_of(delhi_test_chart());
  char buffer[200];
  std::memset(buffer, '7', sizeof buffer);
  std::memcpy(buffer, full.data(), 62);
  buffer[62] = '\0';  // ends after the longitude minutes

  ChartStateRecord chart = computed_looking_chart();
  ASSERT_EQ(read_chart_line(buffer, chart), chart_read_ok);
  EXPECT_EQ(chart.lon_minutes, 13);
  EXPECT_EQ(chart.lat_degrees, 0);
  EXPECT_EQ(chart.lat_minutes, 0);
  EXPECT_EQ(chart.lat_dir, 0);
  EXPECT_EQ(chart.latitude, 0.0);
  EXPECT_EQ(std::string(chart.place), std::string(23, ' '));

  // A newline ends the text the same way.
  std::string cut = full.substr(0, 40) + "\n" + full.substr(41);
  ASSERT_EQ(read_chart_line(cut.c_str(), chart), chart_read_ok);
  EXPECT_EQ(chart.hour, 7);
  EXPECT_EQ(chart.zone_hours, 0);
  EXPECT_EQ(chart.zone_dir, 0);
  EXPECT_EQ(chart.lon_degrees, 0);
  EXPECT_EQ(std::string(chart.place), std::string(23, ' '));

  // Only a name: no month.
  EXPECT_EQ(read_chart_line("Just a name", chart), chart_read_unknown_month);
}

// Mended: there is no month 0 to show or compute.
TEST(ChartLineRead, UnknownMonthIsRefusedAndTheChartKept) {
  for (const char* month : {"Xyz", "   ", "Ma "}) {
    std::string line = line_of(delhi_test_chart());
    line.replace(23, 3, month);
    ChartStateRecord chart = computed_looking_chart();
    const ChartStateRecord before = chart;
    EXPECT_EQ(read_chart_line(line.c_str(), chart), chart_read_unknown_month) << month;
    expect_same_record(chart, before);
  }
  EXPECT_STREQ(chart_read_message(chart_read_unknown_month),
               "Unknown month in chart line!");
}

// Mended: a number beyond the int range is refused, not overflowed.
TEST(ChartLineRead, NumbersBeyondTheIntRangeAreRefused) {
  const std::string example = line_of(delhi_test_chart());

  std::string line = example;
  line.replace(31, 12, "999999999999");  // year and hour run on past 2^31
  ChartStateRecord chart = computed_looking_chart();
  const ChartStateRecord before = chart;
  EXPECT_EQ(read_chart_line(line.c_str(), chart), chart_read_number_too_large);
  expect_same_record(chart, before);

  // The latitude minutes run on into the place: the limit is exactly the int's.
  line = example;
  line.replace(69, 10, "2147483647");
  ASSERT_EQ(read_chart_line(line.c_str(), chart), chart_read_ok);
  EXPECT_EQ(chart.lat_minutes, 2147483647);
  line.replace(69, 10, "2147483648");
  chart = before;
  EXPECT_EQ(read_chart_line(line.c_str(), chart), chart_read_number_too_large);
  expect_same_record(chart, before);
  line.replace(69, 11, "-2147483648");
  ASSERT_EQ(read_chart_line(line.c_str(), chart), chart_read_ok);
  EXPECT_EQ(chart.lat_minutes, INT32_MIN);

  // A run of digits far longer than any int.
  line = example.substr(0, 69) + std::string(300, '9') + "\n";
  chart = before;
  EXPECT_EQ(read_chart_line(line.c_str(), chart), chart_read_number_too_large);
  expect_same_record(chart, before);

  EXPECT_STREQ(chart_read_message(chart_read_number_too_large),
               "Number too large in chart line!");
}

TEST(ChartLineRead, NumbersAreReadAsAtoiReadsThem) {
  std::string line = line_of(delhi_test_chart());
  line.replace(27, 2, " 9");  // leading blank skipped
  line.replace(60, 2, "-3");  // a sign is taken
  line.replace(66, 2, "ab");  // no digits give 0
  ChartStateRecord chart{};
  ASSERT_EQ(read_chart_line(line.c_str(), chart), chart_read_ok);
  EXPECT_EQ(chart.day, 9);
  EXPECT_EQ(chart.lon_minutes, -3);
  EXPECT_EQ(chart.lat_degrees, 0);
}

TEST(ChartLineRead, MessagesForEachResult) {
  EXPECT_EQ(chart_read_message(chart_read_ok), nullptr);
  EXPECT_EQ(chart_read_message(chart_read_no_line), nullptr);
  EXPECT_STREQ(chart_read_message(chart_read_file_unreadable),
               "Couldn't open chart file!");
}

}  // namespace
