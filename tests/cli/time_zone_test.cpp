#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print_run.h"

namespace {

std::vector<std::string> zone_chart(const char* zone, const char* date,
                                    const char* time) {
  return {"--zone", zone,    "--date", date,    "--time",
          time,     "--lon", "077E13", "--lat", "28N38"};
}

// The offset in force that day, from the zone's history: the chart is the
// one --utc-offset gives with that offset, and the line under it says where
// the offset came from.
TEST(TimeZones, TheOffsetInForceThatDay) {
  const struct {
    const char *zone, *date, *time, *fold;
    const char* offset;
    const char* said;       // the line under the chart, after the offset
    const char* ascendant;  // nullptr: not checked
  } cases[] = {
      // India's war time, and its end. Delhi's ascendant at +06:30, not 25Ta22.
      {"Asia/Kolkata", "1944-06-01", "06:00", nullptr, "+06:30",
       " from Asia/Kolkata (+0630)", "As   9Ta58"},
      {"Asia/Kolkata", "1945-10-16", "06:00", nullptr, "+05:30",
       " from Asia/Kolkata (IST)", nullptr},
      // Summer time from the second Sunday of March since 2007, April before.
      {"America/Los_Angeles", "2006-03-22", "10:00", nullptr, "-08:00",
       " from America/Los_Angeles (PST)", nullptr},
      {"America/Los_Angeles", "2007-03-22", "10:00", nullptr, "-07:00",
       " from America/Los_Angeles (PDT)", nullptr},
      {"Europe/London", "1941-06-01", "12:00", nullptr, "+02:00",
       " from Europe/London (BDST)", nullptr},
      {"America/New_York", "2021-11-07", "01:30", "earlier", "-04:00",
       " from America/New_York (EDT)", nullptr},
      {"America/New_York", "2021-11-07", "01:30", "later", "-05:00",
       " from America/New_York (EST)", nullptr},
      // Past the changes listed in the files: the zone's rule goes on.
      {"America/New_York", "2050-07-01", "12:00", nullptr, "-04:00",
       " from America/New_York (EDT)", nullptr},
      // Before India's first standard time: Delhi's own mean time, 77°13' / 15.
      {"Asia/Kolkata", "1850-06-01", "06:00", nullptr, "+05:09",
       ", local mean time at 077E13 (Asia/Kolkata gives LMT)", nullptr},
      // Madras mean time, 5:21:10, as the chart holds it.
      {"Asia/Kolkata", "1900-06-01", "06:00", nullptr, "+05:21",
       " from Asia/Kolkata (MMT +05:21:10 to the minute)", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.zone) + " " + c.date);
    std::vector<std::string> args = zone_chart(c.zone, c.date, c.time);
    if (c.fold) args.insert(args.end(), {"--fold", c.fold});
    const PrintRun run = run_print(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::size_t last_line = run.out.rfind('\n', run.out.size() - 2) + 1;
    const std::string basis = run.out.substr(last_line);
    EXPECT_EQ(
        basis.rfind(std::string("UTC offset ") + c.offset + c.said + ", tzdata 20", 0),
        0u)
        << basis;
    args = zone_chart(c.zone, c.date, c.time);
    args[0] = "--utc-offset";
    args[1] = c.offset;
    EXPECT_EQ(run_print(args).out, run.out.substr(0, last_line));
    if (c.ascendant) {
      EXPECT_NE(run.out.find(c.ascendant), std::string::npos);
    }
  }
}

TEST(TimeZones, TimesAndZonesThatCannotBeCharted) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {zone_chart("America/New_York", "2021-11-07", "01:30"),
       "2021-11-07 01:30 in America/New_York happened twice, at -04:00 (EDT) and then at "
       "-05:00 (EST): choose with --fold earlier or --fold later\n"},
      {zone_chart("America/New_York", "2021-03-14", "02:30"),
       "2021-03-14 02:30 in America/New_York never happened: the clocks went forward "
       "from "
       "02:00 to 03:00, -05:00 (EST) to -04:00 (EDT)\n"},
      {zone_chart("Pacific/Chatham", "2021-01-01", "12:00"),
       "Pacific/Chatham gives +13:45 (+1345) at 2021-01-01 12:00: a chart holds offsets "
       "up "
       "to 12:59\n"},
      {zone_chart("asia/kolkatta", "2021-01-01", "12:00"),
       "unknown time zone \"asia/kolkatta\"; nearest: Asia/Kolkata,"},
      {{"--zone", "UTC", "--utc-offset", "+01:00", "--date", "2021-01-01", "--time",
        "12:00"},
       "--zone and --utc-offset exclude each other: give one\n"},
      {{"--fold", "later", "--date", "2021-01-01", "--time", "12:00"},
       "--fold needs --zone or --city\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const PrintRun run = run_print(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind(std::string("vantrel-print: ") + c.message, 0), 0u)
        << run.err;
  }
}

}  // namespace
