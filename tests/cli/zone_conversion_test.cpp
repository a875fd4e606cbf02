#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <string>

#include "app/chart_state.h"
#include "cli/command_line_chart.h"
#include "cli/print_options.h"
#include "dialogs/chart_data_entries.h"
#include "print_run.h"
#include "storage/chart_line.h"

namespace {

// Stores the command line's chart into ChartState as the command does.
void store_command_line(std::vector<std::string> args) {
  std::vector<const char*> argv{"vantrel-print"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  PrintOptions options;
  std::string error;
  ASSERT_EQ(
      parse_print_options(static_cast<int>(argv.size()), argv.data(), options, error),
      parse_ok)
      << error;
  const ChartDataValues values = chart_values_of(options);
  ASSERT_EQ(check_chart_values(values), nullptr);
  store_chart_values(values);
}

// East of Greenwich is ahead of Universal Time: zone "-". Zero is zone "+"
// whichever sign it is written with, and so is an absent offset.
TEST(ZoneConversion, UsualSenseBecomesTheProgramsOwn) {
  const struct {
    const char* offset;  // nullptr: not given
    int dir, hours, minutes;
    double zone_offset;
    const char* date_line;
  } cases[] = {
      {"+05:30", 1, 5, 30, -5.5, "Mar 5, 1990 07:05 Zone: -5:30"},
      {"-05:00", 0, 5, 0, 5.0, "Mar 5, 1990 07:05 Zone: 05:00"},
      {"-00:30", 0, 0, 30, 0.5, "Mar 5, 1990 07:05 Zone: 00:30"},
      {"+00:00", 0, 0, 0, 0.0, "Mar 5, 1990 07:05 Zone: 00:00"},
      {"-00:00", 0, 0, 0, 0.0, "Mar 5, 1990 07:05 Zone: 00:00"},
      {nullptr, 0, 0, 0, 0.0, "Mar 5, 1990 07:05 Zone: 00:00"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"--date", "1990-03-05", "--time", "07:05"};
    if (c.offset) args.insert(args.end(), {"--utc-offset", c.offset});
    SCOPED_TRACE(c.date_line);
    store_command_line(args);
    EXPECT_EQ(ChartState.zone_dir, c.dir);
    EXPECT_EQ(ChartState.zone_hours, c.hours);
    EXPECT_EQ(ChartState.zone_minutes, c.minutes);
    EXPECT_EQ(ChartState.zone_offset, c.zone_offset);
    EXPECT_EQ(std::signbit(ChartState.zone_offset), std::signbit(c.zone_offset));
    EXPECT_STREQ(ChartState.date_line, c.date_line);
  }
}

// The chart file keeps the program's own signs: +05:30 on the command line is
// written "-05:30", east is negative, and printing that line gives the same
// chart back.
using ZoneThroughTheFile = PrintFilesTest;

TEST_F(ZoneThroughTheFile, ThroughTheChartFileAndBack) {
  const std::vector<std::string> delhi{"--date",       "1990-03-05", "--time", "07:05",
                                       "--utc-offset", "+05:30",     "--lon",  "077E13",
                                       "--lat",        "28N38",      "--name", "Test"};
  store_command_line(delhi);
  EXPECT_EQ(ChartState.lon_dir, 1);
  EXPECT_DOUBLE_EQ(ChartState.longitude, -(77 + 13 / 60.0));
  EXPECT_EQ(ChartState.lat_dir, 0);
  EXPECT_DOUBLE_EQ(ChartState.latitude, 28 + 38 / 60.0);
  ChartLine line;
  write_chart_line(ChartState, line);
  EXPECT_EQ(std::string(line.text + 50, 6), "-05:30");
  write_file(path("charts.vnt"), line.text);

  std::vector<std::string> direct_args{"--format", "json"};
  direct_args.insert(direct_args.end(), delhi.begin(), delhi.end());
  const PrintRun direct = run_print(direct_args);
  const PrintRun from_file =
      run_print({"--format", "json", "--file", path("charts.vnt")});
  ASSERT_EQ(direct.status, 0) << direct.err;
  ASSERT_EQ(from_file.status, 0) << from_file.err;
  const nlohmann::json a = nlohmann::json::parse(direct.out);
  const nlohmann::json b = nlohmann::json::parse(from_file.out);
  EXPECT_EQ(b["date_line"], "Mar 5, 1990 07:05 Zone: -5:30");
  for (const char* key : {"date_line", "julian_day", "bodies", "dashas"})
    EXPECT_EQ(a[key], b[key]) << key;
  // The file pads the name with blanks to 23 characters.
  EXPECT_EQ(b["name"], "Test" + std::string(19, ' '));
}

}  // namespace
