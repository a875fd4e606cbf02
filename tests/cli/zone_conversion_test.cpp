#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstring>
#include <string>

#include "app/chart_state.h"
#include "chart/compute_chart.h"
#include "cli/command_line_chart.h"
#include "cli/print_options.h"
#include "dialogs/chart_data_entries.h"
#include "print_run.h"
#include "storage/chart_line.h"

namespace {

PrintOptions parsed(std::vector<std::string> args) {
  std::vector<const char*> argv{"vantrel-print"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  PrintOptions options;
  std::string error;
  EXPECT_EQ(
      parse_print_options(static_cast<int>(argv.size()), argv.data(), options, error),
      parse_ok)
      << error;
  return options;
}

// Stores the command line's chart into ChartState as the command does.
void store_command_line(std::vector<std::string> args) {
  ChartDataEntries entries = chart_entries_of(parsed(args));
  ASSERT_EQ(check_chart_data(entries), nullptr);
  store_chart_data(entries);
}

TEST(ZoneConversion, EastOfGreenwichBecomesAMinusZone) {
  store_command_line(
      {"--date", "1990-03-05", "--time", "07:05", "--utc-offset", "+05:30"});
  EXPECT_EQ(ChartState.zone_dir, 1);
  EXPECT_EQ(ChartState.zone_hours, 5);
  EXPECT_EQ(ChartState.zone_minutes, 30);
  EXPECT_EQ(ChartState.zone_offset, -5.5);
  EXPECT_STREQ(ChartState.date_line, "Mar 5, 1990 07:05 Zone: -5:30");
}

TEST(ZoneConversion, WestOfGreenwichBecomesAPlusZone) {
  store_command_line(
      {"--date", "1990-03-05", "--time", "07:05", "--utc-offset", "-05:00"});
  EXPECT_EQ(ChartState.zone_dir, 0);
  EXPECT_EQ(ChartState.zone_offset, 5.0);
  EXPECT_STREQ(ChartState.date_line, "Mar 5, 1990 07:05 Zone: 05:00");

  store_command_line(
      {"--date", "1990-03-05", "--time", "07:05", "--utc-offset", "-00:30"});
  EXPECT_EQ(ChartState.zone_dir, 0);
  EXPECT_EQ(ChartState.zone_offset, 0.5);
}

TEST(ZoneConversion, ZeroOffsetIsAPlusZoneEitherWay) {
  for (const char* offset : {"+00:00", "-00:00"}) {
    SCOPED_TRACE(offset);
    store_command_line(
        {"--date", "2000-01-01", "--time", "00:00", "--utc-offset", offset});
    EXPECT_EQ(ChartState.zone_dir, 0);
    EXPECT_EQ(ChartState.zone_offset, 0.0);
    EXPECT_FALSE(std::signbit(ChartState.zone_offset));
  }
  // Absent, the offset is zero as well.
  store_command_line({"--date", "2000-01-01", "--time", "00:00"});
  EXPECT_EQ(ChartState.zone_dir, 0);
  EXPECT_EQ(ChartState.zone_offset, 0.0);
}

TEST(ZoneConversion, CoordinatesKeepTheProgramsSigns) {
  store_command_line(
      {"--date", "2000-01-01", "--time", "00:00", "--lon", "077E13", "--lat", "28N38"});
  EXPECT_EQ(ChartState.lon_dir, 1);
  EXPECT_DOUBLE_EQ(ChartState.longitude, -(77 + 13 / 60.0));
  EXPECT_EQ(ChartState.lat_dir, 0);
  EXPECT_DOUBLE_EQ(ChartState.latitude, 28 + 38 / 60.0);

  store_command_line(
      {"--date", "2000-01-01", "--time", "00:00", "--lon", "74w00", "--lat", "40S30"});
  EXPECT_EQ(ChartState.lon_dir, 0);
  EXPECT_EQ(ChartState.longitude, 74.0);
  EXPECT_EQ(ChartState.lat_dir, 1);
  EXPECT_EQ(ChartState.latitude, -40.5);
}

// The same moment of Universal Time from three zones: one chart.
TEST(ZoneConversion, LocalTimesOfOneMomentGiveOneChart) {
  store_command_line({"--date", "2000-01-01", "--time", "05:30"});
  compute_chart();
  ChartStateRecord universal = ChartState;

  const std::vector<std::vector<std::string>> same_moment = {
      {"--date", "2000-01-01", "--time", "11:00", "--utc-offset", "+05:30"},
      {"--date", "1999-12-31", "--time", "23:30", "--utc-offset", "-06:00"},
  };
  for (const auto& args : same_moment) {
    store_command_line(args);
    compute_chart();
    // A day and a fraction are summed in another order: equal to rounding.
    EXPECT_NEAR(ChartState.julian_day, universal.julian_day, 1e-9);
    for (int body = 0; body < body_count; ++body)
      EXPECT_EQ(ChartState.positions[body], universal.positions[body]) << body;
  }
}

// The chart file keeps the program's own zone sign: +05:30 on the command
// line is written "-05:30", and printing that line gives the same chart back.
TEST(ZoneConversion, ThroughTheChartFileAndBack) {
  const std::vector<std::string> delhi{"--format", "json",   "--date",       "1990-03-05",
                                       "--time",   "07:05",  "--utc-offset", "+05:30",
                                       "--lon",    "077E13", "--lat",        "28N38",
                                       "--name",   "Test",   "--place",      "Delhi"};
  PrintRun direct = run_print(delhi);
  ASSERT_EQ(direct.status, 0) << direct.err;

  std::vector<std::string> chart_args(delhi.begin() + 2, delhi.end());
  store_command_line(chart_args);
  ChartLine line;
  write_chart_line(ChartState, line);
  EXPECT_EQ(std::string(line.text + 50, 6), "-05:30");

  char pattern[] = "/tmp/vantrel-zone-XXXXXX";
  int fd = mkstemp(pattern);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, line.text, std::strlen(line.text)),
            static_cast<ssize_t>(std::strlen(line.text)));
  close(fd);
  PrintRun from_file = run_print({"--format", "json", "--file", pattern});
  unlink(pattern);
  ASSERT_EQ(from_file.status, 0) << from_file.err;

  nlohmann::json a = nlohmann::json::parse(direct.out);
  nlohmann::json b = nlohmann::json::parse(from_file.out);
  EXPECT_EQ(b["date_line"], "Mar 5, 1990 07:05 Zone: -5:30");
  EXPECT_EQ(a["date_line"], b["date_line"]);
  EXPECT_EQ(a["julian_day"].get<double>(), b["julian_day"].get<double>());
  EXPECT_EQ(a["bodies"], b["bodies"]);
  EXPECT_EQ(a["dashas"], b["dashas"]);
  // The file pads name and place with blanks to 23 characters.
  EXPECT_EQ(b["name"], "Test" + std::string(19, ' '));
}

}  // namespace
