#include "cli/json_report.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstring>
#include <string>
#include <vector>

#include "app/chart_state.h"
#include "chart/vimshottari.h"
#include "print_run.h"
#include "support/sample_charts.h"

namespace {

// Parsed keeping the order of the keys, which the writer keeps too.
using json = nlohmann::ordered_json;

std::vector<std::string> keys_of(const json& object) {
  std::vector<std::string> keys;
  for (const auto& item : object.items()) keys.push_back(item.key());
  return keys;
}

json report_of_chart_state() {
  std::string line;
  append_json_report(line, nullptr, std::nullopt);
  EXPECT_FALSE(line.empty());
  EXPECT_EQ(line.back(), '\n');
  EXPECT_EQ(line.find('\n'), line.size() - 1) << "one chart, one line";
  return json::parse(line);
}

// The dasha example: Moon at 1000 (a quarter into Bharani), julian_day
// 2451545.25; every other body at a position that tests one derivation.
void set_known_chart() {
  const int positions[body_count] = {12345, 0,    1000, 21599, 799,
                                     800,   1799, 1800, 367,   10567};
  const int speeds[body_count] = {0, -3, -5, -1, 4000, 0, 100, 0, -190, -190};
  set_drawn_chart("Known", positions, speeds, 0);
  ChartState.lat_degrees = 51;
  ChartState.lat_minutes = 28;
}

TEST(JsonReport, ExactlyTheDocumentedKeysHeaderAndBodies) {
  set_known_chart();
  const json chart = report_of_chart_state();
  EXPECT_EQ(keys_of(chart),
            (std::vector<std::string>{"name", "place", "date_line", "place_line",
                                      "julian_day", "bodies", "dashas", "balance"}));
  ASSERT_EQ(chart["bodies"].size(), 10u);
  for (const json& body : chart["bodies"])
    EXPECT_EQ(keys_of(body),
              (std::vector<std::string>{"body", "position", "speed", "sign", "degree",
                                        "minute", "position_text", "nakshatra",
                                        "navamsha", "retrograde"}));
  for (const json& entry : chart["dashas"])
    EXPECT_EQ(keys_of(entry), (std::vector<std::string>{"major", "sub", "day", "date"}));
  EXPECT_EQ(chart["name"], "Known");
  EXPECT_EQ(chart["place"], "Greenwich");
  EXPECT_EQ(chart["date_line"], "Jan 1, 2000 06:00 Zone: 00:00");
  EXPECT_EQ(chart["place_line"], "Greenwich   0W00 51N28");
  EXPECT_EQ(chart["julian_day"].get<double>(), 2451545.25);

  // The derivations are the chart's tests; here one body shows every field.
  const json& bodies = chart["bodies"];
  const char* const names[body_count] = {"As", "Su", "Mo", "Ma", "Me",
                                         "Ju", "Ve", "Sa", "Ra", "Ke"};
  // Only the Moon and Mars to Saturn are marked, and only when moving back.
  const bool retrograde[body_count] = {false, false, true,  true,  false,
                                       false, false, false, false, false};
  for (int body = 0; body < body_count; ++body) {
    EXPECT_EQ(bodies[body]["body"], names[body]);
    EXPECT_EQ(bodies[body]["position"], ChartState.positions[body]);
    EXPECT_EQ(bodies[body]["speed"], ChartState.speeds[body]);
    EXPECT_EQ(bodies[body]["retrograde"].get<bool>(), retrograde[body]) << body;
  }
  // 12345 arc-minutes: 205 degrees 45 minutes, Libra, Vishakha, ninth-part 61.
  EXPECT_EQ(bodies[0]["sign"], "Li");
  EXPECT_EQ(bodies[0]["degree"], 25);
  EXPECT_EQ(bodies[0]["minute"], 45);
  EXPECT_EQ(bodies[0]["position_text"], "25Li45");
  EXPECT_EQ(bodies[0]["nakshatra"], "Vishakha");
  EXPECT_EQ(bodies[0]["navamsha"], 2);
  EXPECT_EQ(bodies[3]["navamsha"], 12);
}

// The example listing's first entries and its last, Ketu's ninth sub-period;
// the first two days are the chart's own and a year later.
TEST(JsonReport, DashaExampleFirstEntries) {
  set_known_chart();
  const json dashas = report_of_chart_state()["dashas"];
  // Seven sub-periods of Venus remain, then eight whole major periods.
  ASSERT_EQ(dashas.size(), 7u + 8u * 9u);
  const char* const expected[][4] = {{"0", "Ve", "Mo", "Jan 01, 2000"},
                                     {"1", "Ve", "Ma", "Dec 31, 2000"},
                                     {"6", "Ve", "Ke", "Oct 31, 2013"},
                                     {"7", "Su", "Su", "Jan 01, 2015"},
                                     {"78", "Ke", "Me", "Jan 04, 2114"}};
  for (const auto& e : expected) {
    const json& entry = dashas[std::stoi(e[0])];
    EXPECT_EQ(entry["major"], e[1]) << e[0];
    EXPECT_EQ(entry["sub"], e[2]) << e[0];
    EXPECT_EQ(entry["date"], e[3]) << e[0];
  }
  EXPECT_EQ(dashas[0]["day"].get<double>(), 2451545.25);
  EXPECT_EQ(dashas[1]["day"].get<double>(), 2451545.25 + 365.25);
}

TEST(JsonReport, DoublesReadBackExactly) {
  set_known_chart();
  const double awkward[] = {2451545.123456789, 2299160.6, 0.1 + 0.2, 2598007.0 / 3.0};
  for (double value : awkward) {
    ChartState.julian_day = value;
    json chart = report_of_chart_state();
    EXPECT_EQ(chart["julian_day"].get<double>(), value);
    DashaSequence sequence;
    list_dasha_periods(sequence);
    ASSERT_EQ(chart["dashas"].size(), static_cast<std::size_t>(sequence.count));
    for (int i = 0; i < sequence.count; ++i)
      ASSERT_EQ(chart["dashas"][i]["day"].get<double>(), sequence.periods[i].start_day)
          << i;
  }
}

TEST(JsonReport, TextsAreEscapedAndBadBytesReplaced) {
  set_known_chart();
  std::strcpy(ChartState.name, "Say \"hi\"\\\n\ttab");
  std::strcpy(ChartState.place, "Z\xC3\xBCrich \xFF\xC3");
  json chart = report_of_chart_state();
  EXPECT_EQ(chart["name"], "Say \"hi\"\\\n\ttab");
  EXPECT_EQ(chart["place"], "Z\xC3\xBCrich \xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(chart["place_line"].get<std::string>().rfind("Z\xC3\xBCrich \xEF\xBF\xBD", 0),
            0u);
}

// The line is byte for byte the library's dump of its own document: the
// writer's punctuation, numbers and escapes are the library's.
TEST(JsonReport, LineIsTheLibrarysDumpOfItself) {
  set_known_chart();
  std::strcpy(ChartState.name, "a\x01\x0b\x1f\"\\\x7f/");
  std::strcpy(ChartState.place, "\xE0\xA4 \xFF\xC3");
  ChartState.julian_day = 2598007.0 / 3.0;
  std::string line;
  append_json_report(line, nullptr, std::nullopt);
  EXPECT_EQ(json::parse(line).dump(-1, ' ', false, json::error_handler_t::replace) + "\n",
            line);
}

// 1 January 2000, 12:00 Universal Time at 0 E 0 N, the moment J2000.0.
// Published apparent positions for that moment less the Lahiri ayanamsha
// (23 deg 51'): Sun 256 deg 31', Moon 199 deg 28', Mercury 248 deg 02',
// Venus 217 deg 43', Mars 304 deg 06', Jupiter 1 deg 24', Saturn 16 deg 33'.
TEST(JsonReport, PositionsOfAFixedMoment) {
  PrintRun run =
      run_print({"--format", "json", "--date", "2000-01-01", "--time", "12:00"});
  ASSERT_EQ(run.status, 0) << run.err;
  json chart = json::parse(run.out);
  EXPECT_EQ(chart["julian_day"].get<double>(), 2451545.5);
  EXPECT_EQ(chart["date_line"], "Jan 1, 2000 12:00 Zone: 00:00");

  const int published[] = {-1, 15391, 11968, 18246, 14882, 84, 13063, 993};
  const json& bodies = chart["bodies"];
  for (int body = sun_body; body <= saturn_body; ++body)
    EXPECT_NEAR(bodies[body]["position"].get<int>(), published[body], 3)
        << bodies[body]["body"];

  // This program's own values, to the arc-minute.
  const int exact[body_count] = {20852, 15390, 11967, 18246, 14881,
                                 83,    13062, 992,   6005,  16805};
  for (int body = 0; body < body_count; ++body)
    EXPECT_EQ(bodies[body]["position"], exact[body]) << bodies[body]["body"];
  EXPECT_EQ(bodies[saturn_body]["retrograde"], true);
  EXPECT_EQ(bodies[rahu_body]["retrograde"], false);
}

}  // namespace
