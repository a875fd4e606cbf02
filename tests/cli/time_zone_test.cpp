#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/print_run.h"

namespace {

// "ZONE DATE TIME [more options]": a chart in Delhi with the zone's offset.
std::vector<std::string> zone_chart(const std::string& words) {
  std::istringstream in(words);
  std::vector<std::string> args{"--lon", "077E13", "--lat", "28N38"};
  for (const char* option : {"--zone", "--date", "--time"}) {
    args.push_back(option);
    in >> args.emplace_back();
  }
  for (std::string word; in >> word;) args.push_back(word);
  return args;
}

// The offset in force that day, from the zone's history: the chart is the
// one --utc-offset gives with that offset, and the line under it says where
// the offset came from.
TEST(TimeZones, TheOffsetInForceThatDay) {
  const struct {
    const char* chart;
    std::string said;  // the line under the chart, before the tzdata version
  } cases[] = {
      // India's war time, and its end.
      {"Asia/Kolkata 1944-06-01 06:00", "+06:30 from Asia/Kolkata (+0630)"},
      {"Asia/Kolkata 1945-10-16 06:00", "+05:30 from Asia/Kolkata (IST)"},
      // Summer time from the second Sunday of March since 2007, April before.
      {"America/Los_Angeles 2006-03-22 10:00", "-08:00 from America/Los_Angeles (PST)"},
      {"America/Los_Angeles 2007-03-22 10:00", "-07:00 from America/Los_Angeles (PDT)"},
      {"Europe/London 1941-06-01 12:00", "+02:00 from Europe/London (BDST)"},
      {"America/New_York 2021-11-07 01:30 --fold earlier",
       "-04:00 from America/New_York (EDT)"},
      {"America/New_York 2021-11-07 01:30 --fold later",
       "-05:00 from America/New_York (EST)"},
      // Past the changes listed in the files: the zone's rule goes on, its
      // changes at -1:00 and 0:00 too (Python's zoneinfo on the same files).
      {"America/New_York 2050-07-01 12:00", "-04:00 from America/New_York (EDT)"},
      {"America/Nuuk 2040-07-01 12:00", "-01:00 from America/Nuuk (-01)"},
      {"America/Nuuk 2040-10-27 23:30 --fold later", "-02:00 from America/Nuuk (-02)"},
      // Names in any case, when only one name matches.
      {"asia/KOLKATA 1945-10-16 06:00", "+05:30 from Asia/Kolkata (IST)"},
      // Before India's first standard time: Delhi's own, 77°13' / 15 = 5:08:52.
      {"Asia/Kolkata 1850-06-01 06:00",
       "+05:09, local mean time at 077E13 (Asia/Kolkata gives LMT)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chart);
    std::vector<std::string> args = zone_chart(c.chart);
    const PrintRun run = run_print(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::size_t last_line = run.out.rfind('\n', run.out.size() - 2) + 1;
    EXPECT_EQ(run.out.substr(last_line).rfind("UTC offset " + c.said + ", tzdata 20", 0),
              0u)
        << run.out.substr(last_line);
    args.resize(10);  // no --fold
    args[4] = "--utc-offset";
    args[5] = c.said.substr(0, 6);
    EXPECT_EQ(run_print(args).out, run.out.substr(0, last_line));
  }
  // Delhi's ascendant that morning; +05:30 would give 25Ta22.
  EXPECT_NE(run_print(zone_chart("Asia/Kolkata 1944-06-01 06:00")).out.find("As   9Ta58"),
            std::string::npos);
  // West of Greenwich local mean time runs behind: New York's 74°00' W.
  const PrintRun west = run_print(
      std::vector<std::string>{"--zone", "America/New_York", "--date", "1850-06-01",
                               "--time", "06:00", "--lon", "074W00", "--lat", "40N43"});
  EXPECT_NE(west.out.find("UTC offset -04:56, local mean time at 074W00"),
            std::string::npos)
      << west.out;
}

TEST(TimeZones, TimesAndZonesThatCannotBeCharted) {
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {zone_chart("America/New_York 2021-11-07 01:30"),
       "2021-11-07 01:30 in America/New_York happened twice, at -04:00 (EDT) and then at "
       "-05:00 (EST): choose with --fold earlier or --fold later\n"},
      {zone_chart("America/New_York 2021-03-14 02:30"),
       "2021-03-14 02:30 in America/New_York never happened: the clocks went forward "
       "from "
       "02:00 to 03:00, -05:00 (EST) to -04:00 (EDT)\n"},
      {zone_chart("Pacific/Chatham 2021-01-01 12:00"),
       "Pacific/Chatham gives +13:45 (+1345) at 2021-01-01 12:00: a chart holds offsets "
       "up "
       "to 12:59\n"},
      {zone_chart("America/Nuuk 2040-03-24 23:30"),
       "2040-03-24 23:30 in America/Nuuk never happened: the clocks went forward from "
       "23:00 to 00:00, -02:00 (-02) to -01:00 (-01)\n"},
      {zone_chart("asia/kolkatta 2021-01-01 12:00"),
       "unknown time zone \"asia/kolkatta\"; nearest: Asia/Kolkata,"},
      // The machine's own zone is no place's, nor tzdata's zone of a machine
      // not set up yet, which is not offered either.
      {zone_chart("localtime 2021-01-01 12:00"), "unknown time zone \"localtime\"; "},
      {zone_chart("Factory 2021-01-01 12:00"),
       "unknown time zone \"Factory\"; nearest: Africa/Accra, "},
      {zone_chart("factor 2021-01-01 12:00"),
       "unknown time zone \"factor\"; nearest: Asia/Qatar, "},
      {{"--zone", std::string(102400, 'x'), "--date", "2021-01-01", "--time", "12:00"},
       "time-zone name too long (102400 bytes; at most 256): \"" + std::string(40, 'x') +
           "...\"\n"},
      // Local mean time is the place's: never longitude 0 for want of --lon.
      {{"--zone", "Asia/Kolkata", "--date", "1850-06-01", "--time", "06:00"},
       "1850-06-01 06:00 in Asia/Kolkata is local mean time (LMT), which needs the "
       "place's longitude: give --lon\n"},
      {zone_chart("UTC 2021-01-01 12:00 --utc-offset +01:00"),
       "--zone and --utc-offset exclude each other: give one\n"},
      {{"--fold", "later", "--date", "2021-01-01", "--time", "12:00"},
       "--fold needs --zone or --city\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const PrintRun run = run_print(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("vantrel-print: " + c.message, 0), 0u) << run.err;
  }
}

// The database is the system's: one that is missing, empty or damaged fails
// the run (status 1) with what is wrong, as $TZDIR points the C library.
using ZoneDatabases = InFreshFolder;

TEST_F(ZoneDatabases, AFaultyDatabaseFailsTheRun) {
  const std::string kolkata = read_file("/usr/share/zoneinfo/Asia/Kolkata");
  std::string rule_beyond = kolkata;  // the closing rule's change 200 hours on
  rule_beyond.replace(rule_beyond.rfind("IST-5:30"), 8, "IST-5:30ST,M3.5.0/200,J300");
  const struct {
    const char* index;
    std::string zone_file;
    std::string message;        // after the folder
    const char* odd = nullptr;  // the file the message names made a "fifo",
                                // a link to /dev/"zero" or "huge"
  } cases[] = {
      {nullptr, "", "/tzdata.zi: cannot be read"},
      {"# version 2099z\n", "", "/tzdata.zi lists no zone"},
      {"Z Asia/Kolkata 5:53:28 - LMT\n", "", "/Asia/Kolkata: cannot be read"},
      {"Z Asia/Kolkata\n", std::string(4096, '\xA5'),
       "/Asia/Kolkata: not a time-zone file (TZif, RFC 8536)"},
      {"Z Asia/Kolkata\n", kolkata.substr(0, 200),
       "/Asia/Kolkata: a damaged time-zone file"},
      {"Z Asia/Kolkata\n", rule_beyond,
       "/Asia/Kolkata: a time-zone file whose rule for the years after its listed "
       "changes (\"IST-5:30ST,M3.5.0/200,J300\") cannot be read"},
      // Mended: a FIFO hung the run, /dev/zero was read without end.
      {"", "", "/tzdata.zi: not a regular file", "fifo"},
      {"", "", "/tzdata.zi: not a regular file", "zero"},
      {"", "", "/tzdata.zi: larger than 8388608 bytes", "huge"},
      {"Z Asia/Kolkata\n", "", "/Asia/Kolkata: not a regular file", "fifo"},
      {"Z Asia/Kolkata\n", "", "/Asia/Kolkata: larger than 1048576 bytes", "huge"},
  };
  const std::string tzdir = path("zoneinfo");
  setenv("TZDIR", tzdir.c_str(), 1);
  for (const auto& c : cases) {
    std::filesystem::remove_all(tzdir);
    std::filesystem::create_directories(tzdir + "/Asia");
    if (c.index) write_file(tzdir + "/tzdata.zi", c.index);
    if (!c.zone_file.empty()) write_file(tzdir + "/Asia/Kolkata", c.zone_file);
    const std::string odd = tzdir + c.message.substr(0, c.message.find(':'));
    if (c.odd) std::filesystem::remove(odd);
    if (c.odd && c.odd[0] == 'f') mkfifo(odd.c_str(), 0600);
    if (c.odd && c.odd[0] == 'z') std::filesystem::create_symlink("/dev/zero", odd);
    if (c.odd && c.odd[0] == 'h') {
      write_file(odd, "");
      std::filesystem::resize_file(odd, 16 << 20);
    }
    // In a child, so that a run that hangs is cut short.
    const std::string said = said_in_child([] {
      alarm(5);
      const PrintRun run = run_print(zone_chart("Asia/Kolkata 2021-01-01 12:00"));
      return std::to_string(run.status) + run.err;
    });
    EXPECT_EQ(said, "1vantrel-print: time-zone database: " + tzdir + c.message + "\n");
  }
  unsetenv("TZDIR");
}

}  // namespace
