#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "places/closest_names.h"
#include "places/zone_database.h"
#include "places/zone_offset.h"
#include "places/zone_rule.h"

namespace {

// The offsets of tests/data/zone_offsets.tsv, from Python's zoneinfo on the
// same files (tools/generate_zone_reference.py): times that happened once,
// twice or never, past the listed changes too.
TEST(Zones, AgreeWithPythonsZoneinfo) {
  std::ifstream rows(VANTREL_SOURCE_DIR "/tests/data/zone_offsets.tsv");
  ZoneDatabase database;
  std::string error;
  ASSERT_TRUE(read_zone_database(database, error)) << error;
  int checked = 0;
  for (std::string line; std::getline(rows, line);) {
    if (line.rfind("# tzdata\t", 0) == 0 && line.substr(9) != database.version) {
      GTEST_SKIP() << "the reference is of tzdata " << line.substr(9);
    }
    if (line[0] == '#') continue;
    std::istringstream in(line);
    std::string zone, date, time, kind;
    long first = 0, second = 0;
    std::getline(in, zone, '\t');
    std::getline(in, date, ' ');
    std::getline(in, time, '\t');
    std::getline(in, kind, '\t');
    in >> first >> second;
    ChartInput chart{};
    std::sscanf(date.c_str(), "%d-%d-%d", &chart.year, &chart.month, &chart.day);
    std::sscanf(time.c_str(), "%d:%d", &chart.hour, &chart.minute);
    const ZoneAnswer answer = zone_offset_at({zone, chart, fold_refused, true});
    SCOPED_TRACE(line);
    ++checked;
    if (kind == "never") {
      EXPECT_EQ(answer.outcome, ZoneAnswer::never);
    } else if (kind == "twice") {
      EXPECT_EQ(answer.outcome, ZoneAnswer::twice);
      EXPECT_EQ(answer.later.database_seconds, second);
    }
    if (kind != "never") {
      EXPECT_EQ(answer.offset.database_seconds, first);
    }
  }
  EXPECT_GT(checked, 1000);
}

// Closing rules as RFC 8536 writes them: days of three forms, times from
// -167 to 167 hours; each change as local seconds since 1970 (Python's
// datetime), and what is not a rule.
TEST(Zones, ClosingRules) {
  const struct {
    const char* rule;
    bool read;
    int year;
    long long start;  // local seconds of the change to summer time
  } cases[] = {
      {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", true, 2040, 2216242800},  // 2040-03-24 23:00
      {"EST5EDT,M11.1.0,M3.2.0", true, 2040, 2235607200},           // 2040-11-04 02:00
      {"<+00>0<+01>,J60,J300", true, 2040, 2214180000},             // March 1, leap year
      {"<+00>0<+01>,59,300", true, 2040, 2214093600},               // February 29
      {"<+00>0<+01>,59,300", true, 2041, 2245716000},               // March 1
      {"EST5EDT", false, 0, 0},
      {"EST5EDT,M3.2.0/168,M11.1.0", false, 0, 0},
      {"EST5EDT,M13.2.0,M11.1.0", false, 0, 0},
      {"EST5EDT,M3.6.0,M11.1.0", false, 0, 0},
      {"EST5EDT,M3.2.0,M11.1.0x", false, 0, 0},
      {"<AB>1", false, 0, 0},
      {"EST25", false, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    ZoneRule rule;
    ASSERT_EQ(read_zone_rule(c.rule, rule), c.read);
    if (c.read) {
      EXPECT_EQ(rule_day_local_seconds(rule.summer_start, c.year), c.start);
    }
  }
  ZoneRule greenland;
  ASSERT_TRUE(read_zone_rule("<-02>2<-01>,M3.5.0/-1,M10.5.0/0", greenland));
  EXPECT_EQ(greenland.standard_offset, -7200);
  EXPECT_EQ(greenland.summer_offset, -3600);
  EXPECT_EQ(greenland.summer_abbreviation, "-01");
}

// Levenshtein's distance on the textbook's pairs, and the bound from the
// characters two names share, which never passes it.
TEST(NearestNames, EditDistances) {
  const struct {
    const char* a;
    const char* b;
    int distance;
  } cases[] = {{"kitten", "sitting", 3}, {"flaw", "lawn", 2}, {"Saturday", "SUNDAY", 3}};
  for (const auto& c : cases) {
    EXPECT_EQ(edit_distance(c.a, c.b), c.distance) << c.a;
    CharacterCounts counts = character_counts(c.a);
    EXPECT_LE(characters_apart(counts, c.b), c.distance) << c.a;
    EXPECT_EQ(edit_distance_below(c.a, c.b, 2) >= 2, true) << c.a;
  }
}

}  // namespace
