#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/version.h"
#include "cli/print_options.h"
#include "print_run.h"

namespace {

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> out;
  for (std::string word; in >> word;) out.push_back(word);
  return out;
}

// Delhi, 5 March 1990, 07:05, +05:30, which passes every check, with one
// option's value replaced.
std::vector<std::string> delhi_with(const std::string& option, const std::string& value) {
  std::vector<std::string> args = words(
      "--date 1990-03-05 --time 07:05 --utc-offset +05:30 --lon 077E13 --lat 28N38");
  for (std::size_t i = 0; i < args.size(); i += 2)
    if (args[i] == option) args[i + 1] = value;
  return args;
}

void expect_refused(const PrintRun& run, const std::string& message) {
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "vantrel-print: " + message + "\n");
  EXPECT_EQ(run.out, "");
}

// The checks' bounds themselves are the dialog's tests; here each message
// arrives on one line, and both signs of the zone and the coordinates are
// checked as the dialog's fields.
TEST(PrintChecks, EveryDialogCheckRefusesWithItsMessage) {
  const struct {
    const char* option;
    const char* value;
    const char* message;  // nullptr: accepted
  } cases[] = {
      {"--date", "1599-12-31", "Enter year between 1600-2400."},
      {"--date", "2000-01-32", "Enter day between 1-31"},
      {"--date", "2000-02-30", "Invalid February date"},
      {"--date", "2000-02-29", nullptr},
      {"--date", "2001-04-31", "There are only 30 days in this month"},
      {"--time", "24:00", "Enter hour between 0-23"},
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
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.option) + " " + c.value);
    const PrintRun run = run_print(delhi_with(c.option, c.value));
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
  expect_refused(run_print(words("--date 1599-02-30 --time 25:75 --lat 95N75")),
                 "Enter year between 1600-2400.");
  expect_refused(run_print(words("--date 2001-04-30 --time 23:75 --lat 95N75")),
                 "Enter minute between 0-59");
}

// Malformed values and options, missing and conflicting ones: one line saying
// why, then the usage.
TEST(PrintChecks, MalformedCommandLinesShowTheUsage) {
  const std::string date = "--date: expected YYYY-MM-DD with a month from 01 to 12, not ";
  auto day = [](const std::string& rest) {
    return words("--date 2000-01-01 --time 12:00 " + rest);
  };
  const struct {
    std::vector<std::string> args;
    std::string first_line;
  } cases[] = {
      {day("--colour red"), "unknown option '--colour'"},
      {day("chart.txt"), "unexpected argument 'chart.txt'"},
      {day("--name"), "--name needs a value"},
      {day("--date 2000/01/01"), date + "'2000/01/01'"},
      {day("--date 2000-13-01"), date + "'2000-13-01'"},
      {day("--date 2000-00-10"), date + "'2000-00-10'"},
      {day("--date 2000-01-01x"), date + "'2000-01-01x'"},
      {day("--time 1200"), "--time: expected HH:MM, not '1200'"},
      {day("--time -1:00"), "--time: expected HH:MM, not '-1:00'"},
      {day("--utc-offset 5.5"), "--utc-offset: expected +HH:MM or -HH:MM, not '5.5'"},
      {day("--lon 77X13"), "--lon: expected DDD{E|W}MM, e.g. 077E13, not '77X13'"},
      {day("--lon 77E"), "--lon: expected DDD{E|W}MM, e.g. 077E13, not '77E'"},
      {day("--lat 28E38"), "--lat: expected DD{N|S}MM, e.g. 28N38, not '28E38'"},
      {day("--lat 1234567890N00"),
       "--lat: expected DD{N|S}MM, e.g. 28N38, not '1234567890N00'"},
      {day("--format gif"), "--format: expected text, json, svg, png or pdf, not 'gif'"},
      {day("--format png"), "--format png writes binary data: give --output FILE"},
      {day("--format png --output c.png --scale 5"),
       "--scale: expected 1, 2, 3 or 4, not '5'"},
      {day("--format svg --scale 2"), "--scale is for --format png"},
      {day("--style east"), "--style: expected south or north, not 'east'"},
      {{"--output", ""}, "--output: expected a file name, not ''"},
      {{"--file", ""}, "--file: expected a chart file name, not ''"},
      {words("--file charts.vnt --line -1"),
       "--line: expected a line number from 0, not '-1'"},
      {day("--line 3"), "--line needs --file"},
      {words("--time 12:00"), "missing --date"},
      {words("--date 2000-01-01"), "missing --time"},
      {words("--file charts.vnt --date 2000-01-01"),
       "--file takes the charts from the file: no --date, --time, --utc-offset, --zone, "
       "--fold, --city, --lon, --lat, --name, --place or --append with it"},
      {words("--find Delhi --date 2000-01-01"),
       "--find lists places and computes no chart: no other option with it"},
      {words("--file charts.vnt --format svg"),
       "--format svg draws one chart: give --line with --file"},
      {words("--file charts.vnt --format pdf --output c.pdf"),
       "--format pdf draws one chart: give --line with --file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first_line);
    const PrintRun run = run_print(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "vantrel-print: " + c.first_line + "\n" + print_usage_text);
  }
}

TEST(PrintChecks, OptionsTakeTheirValueAfterAnEqualsSign) {
  const PrintRun run =
      run_print({"--date=2000-01-01", "--time=12:00", "--name=A=B", "--lat=28s38"});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = split_lines(run.out);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "A=B");
  EXPECT_EQ(lines[2], "   0W00 28S38");
}

TEST(PrintChecks, HelpAndVersionGoToStandardOutput) {
  const PrintRun help = run_print({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  EXPECT_EQ(help.out.rfind(print_usage_text, 0), 0u);
  EXPECT_NE(help.out.find("--utc-offset +HH:MM"), std::string::npos);
  const PrintRun version = run_print({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("vantrel-print ") + program_version + "\n");
}

}  // namespace
