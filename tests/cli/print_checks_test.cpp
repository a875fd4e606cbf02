#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/print_options.h"
#include "cli/print_version.h"
#include "print_run.h"

namespace {

// Delhi, 5 March 1990, 07:05, +05:30: passes every check. Each case below
// replaces one option's value.
std::vector<std::string> delhi_with(const std::string& option, const std::string& value) {
  std::vector<std::string> args{"--date", "1990-03-05", "--time", "07:05", "--utc-offset",
                                "+05:30", "--lon",      "077E13", "--lat", "28N38"};
  for (std::size_t i = 0; i < args.size(); i += 2)
    if (args[i] == option) args[i + 1] = value;
  return args;
}

void expect_refused(const PrintRun& run, const std::string& message) {
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "vantrel-print: " + message + "\n");
  EXPECT_EQ(run.out, "");
}

TEST(PrintChecks, TheValidChartPrints) {
  PrintRun run = run_print(delhi_with("--date", "1990-03-05"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("Mar 5, 1990 07:05 Zone: -5:30"), std::string::npos);
}

// Every check of the Chart Data dialog, on both sides of its bounds where it
// has two, with the dialog's message on one line.
TEST(PrintChecks, EveryDialogCheckRefusesWithItsMessage) {
  struct Case {
    const char* option;
    const char* value;
    const char* message;  // nullptr: accepted
  };
  const Case cases[] = {
      {"--date", "1599-12-31", "Enter year between 1600-2400."},
      {"--date", "2401-01-01", "Enter year between 1600-2400."},
      {"--date", "1600-01-01", nullptr},
      {"--date", "2400-12-31", nullptr},
      {"--date", "2000-01-00", "Enter day between 1-31"},
      {"--date", "2000-01-32", "Enter day between 1-31"},
      {"--date", "2000-01-31", nullptr},
      {"--date", "2000-02-30", "Invalid February date"},
      {"--date", "2000-02-29", nullptr},
      {"--date", "1900-02-29", "Invalid February date"},
      {"--date", "2100-02-29", "Invalid February date"},
      {"--date", "2400-02-29", nullptr},
      {"--date", "2001-04-31", "There are only 30 days in this month"},
      {"--date", "2001-06-31", "There are only 30 days in this month"},
      {"--date", "2001-09-31", "There are only 30 days in this month"},
      {"--date", "2001-11-31", "There are only 30 days in this month"},
      {"--date", "2001-12-31", nullptr},
      {"--time", "24:00", "Enter hour between 0-23"},
      {"--time", "23:59", nullptr},
      {"--time", "00:60", "Enter minute between 0-59"},
      {"--utc-offset", "+13:00", "Enter zone hour between 0-12"},
      {"--utc-offset", "-13:00", "Enter zone hour between 0-12"},
      {"--utc-offset", "-12:59", nullptr},
      {"--utc-offset", "+05:60", "Enter zone minute between 0-59"},
      {"--lon", "180E00", "Enter longitude degree between 0-179"},
      {"--lon", "179W59", nullptr},
      {"--lon", "010W60", "Enter longitude minute between 0-59"},
      {"--lat", "90N00", "Enter latitude degree between 0-89"},
      {"--lat", "89S59", nullptr},
      {"--lat", "10S60", "Enter latitude minute between 0-59"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.option) + " " + c.value);
    PrintRun run = run_print(delhi_with(c.option, c.value));
    if (c.message == nullptr) {
      EXPECT_EQ(run.status, 0) << run.err;
      EXPECT_EQ(run.err, "");
    } else {
      expect_refused(run, c.message);
    }
  }
}

// Only the first failing check speaks, in the dialog's order.
TEST(PrintChecks, FirstFailingCheckInDialogOrder) {
  std::vector<std::string> args{"--date", "1599-02-30", "--time",
                                "25:75",  "--lat",      "95N75"};
  expect_refused(run_print(args), "Enter year between 1600-2400.");
  args[1] = "2001-04-31";
  expect_refused(run_print(args), "There are only 30 days in this month");
  args[1] = "2001-04-30";
  expect_refused(run_print(args), "Enter hour between 0-23");
  args[3] = "23:75";
  expect_refused(run_print(args), "Enter minute between 0-59");
  args[3] = "23:59";
  expect_refused(run_print(args), "Enter latitude degree between 0-89");
}

// Malformed values and options: one line saying why, then the usage.
TEST(PrintChecks, MalformedCommandLinesShowTheUsage) {
  struct Case {
    std::vector<std::string> args;
    const char* first_line;
  };
  const std::vector<std::string> day{"--date", "2000-01-01", "--time", "12:00"};
  auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> args = day;
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
  };
  const Case cases[] = {
      {with({"--colour", "red"}), "unknown option '--colour'"},
      {with({"-x"}), "unknown option '-x'"},
      {with({"chart.txt"}), "unexpected argument 'chart.txt'"},
      {with({"--name"}), "--name needs a value"},
      {{"--date", "2000/01/01", "--time", "12:00"},
       "--date: expected YYYY-MM-DD with a month from 01 to 12, not '2000/01/01'"},
      {{"--date", "2000-13-01", "--time", "12:00"},
       "--date: expected YYYY-MM-DD with a month from 01 to 12, not '2000-13-01'"},
      {{"--date", "2000-00-10", "--time", "12:00"},
       "--date: expected YYYY-MM-DD with a month from 01 to 12, not '2000-00-10'"},
      {{"--date", "2000-01-01x", "--time", "12:00"},
       "--date: expected YYYY-MM-DD with a month from 01 to 12, not '2000-01-01x'"},
      {{"--date", "2000-01-01", "--time", "1200"}, "--time: expected HH:MM, not '1200'"},
      {{"--date", "2000-01-01", "--time", "-1:00"},
       "--time: expected HH:MM, not '-1:00'"},
      {with({"--utc-offset", "5.5"}),
       "--utc-offset: expected +HH:MM or -HH:MM, not '5.5'"},
      {with({"--utc-offset", "+0530"}),
       "--utc-offset: expected +HH:MM or -HH:MM, not '+0530'"},
      {with({"--lon", "77X13"}), "--lon: expected DDD{E|W}MM, e.g. 077E13, not '77X13'"},
      {with({"--lon", "77E"}), "--lon: expected DDD{E|W}MM, e.g. 077E13, not '77E'"},
      {with({"--lat", "28E38"}), "--lat: expected DD{N|S}MM, e.g. 28N38, not '28E38'"},
      {with({"--lat", "1234567890N00"}),
       "--lat: expected DD{N|S}MM, e.g. 28N38, not '1234567890N00'"},
      {with({"--format", "pdf"}), "--format: expected text, json or svg, not 'pdf'"},
      {with({"--style", "east"}), "--style: expected south or north, not 'east'"},
      {with({"--output", ""}), "--output: expected a file name, not ''"},
      {{"--file", "charts.vnt", "--line", "-1"},
       "--line: expected a line number from 0, not '-1'"},
      {{"--file", ""}, "--file: expected a chart file name, not ''"},
      {{"--time", "12:00"}, "missing --date"},
      {{"--date", "2000-01-01"}, "missing --time"},
      {{}, "missing --date"},
      {{"--file", "charts.vnt", "--date", "2000-01-01"},
       "--file takes the charts from the file: no --date, --time, --utc-offset, --lon, "
       "--lat, --name or --place with it"},
      {{"--file", "charts.vnt", "--format", "svg"},
       "--format svg draws one chart: give --line with --file"},
      {with({"--line", "3"}), "--line needs --file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first_line);
    PrintRun run = run_print(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              std::string("vantrel-print: ") + c.first_line + "\n" + print_usage_text);
  }
}

TEST(PrintChecks, OptionsTakeTheirValueAfterAnEqualsSign) {
  PrintRun run =
      run_print({"--date=2000-01-01", "--time=12:00", "--name=A=B", "--lat=28s38"});
  EXPECT_EQ(run.status, 0) << run.err;
  std::vector<std::string> lines = split_lines(run.out);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "A=B");
  EXPECT_EQ(lines[2], "   0W00 28S38");
}

TEST(PrintChecks, HelpAndVersionGoToStandardOutput) {
  PrintRun help = run_print({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  EXPECT_EQ(help.out.rfind(print_usage_text, 0), 0u);
  EXPECT_NE(help.out.find("--utc-offset +HH:MM"), std::string::npos);

  PrintRun version = run_print({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("vantrel-print ") + print_version + "\n");
  EXPECT_EQ(std::string(print_version), "1.1");
}

}  // namespace
