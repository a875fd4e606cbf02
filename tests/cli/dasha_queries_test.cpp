#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <random>
#include <string>

#include "app/chart_state.h"
#include "chart/compute_chart.h"
#include "chart/vimshottari.h"
#include "cli/json_report.h"
#include "print_run.h"
#include "support/random_chart.h"

namespace {

// The balance and the running period must agree with the listing they are
// read from, whatever the chart and the day asked about.
TEST(DashaQueries, AgreeWithTheListingOnRandomCharts) {
  std::mt19937 random(2029);
  for (int n = 0; n < 300; ++n) {
    ChartDataEntries entries = random_chart_entries(random);
    store_chart_data(entries);
    compute_chart();
    DashaSequence sequence;
    list_dasha_periods(sequence);
    const double on = std::floor(std::uniform_real_distribution<double>(
        ChartState.julian_day + 1, sequence.end_day)(random));
    std::string line;
    append_json_report(line, nullptr, on);
    const auto chart = nlohmann::json::parse(line);
    const auto& dashas = chart["dashas"];
    SCOPED_TRACE(line);

    const auto& balance = chart["balance"];
    EXPECT_EQ(balance["lord"], dashas.front()["major"]);
    std::size_t next = 1;
    while (dashas[next]["major"] == dashas.front()["major"]) ++next;
    const double total = balance["days_total"].get<double>();
    EXPECT_EQ(ChartState.julian_day + total, dashas[next]["day"].get<double>());
    const double counted = balance["years"].get<int>() * 365.25 +
                           balance["months"].get<int>() * (365.25 / 12) +
                           balance["days"].get<int>();
    EXPECT_LE(counted, total);
    EXPECT_GT(counted + 1, total);
    EXPECT_LT(balance["months"].get<int>(), 12);

    const auto& running = chart["running"];
    std::size_t i = 0;
    while (i + 1 < dashas.size() && dashas[i + 1]["day"].get<double>() <= on)
      ++i;
    EXPECT_EQ(running["major"], dashas[i]["major"]);
    EXPECT_EQ(running["sub"], dashas[i]["sub"]);
    EXPECT_EQ(running["start_date"], dashas[i]["date"]);
    if (i + 1 < dashas.size()) {
      EXPECT_EQ(running["end_date"], dashas[i + 1]["date"]);
    }
  }
}

// Delhi, 5 March 1990, 10:30 at +05:30: the Moon in Chitra gives a Mars
// balance; the running period's dates are the listing's own.
TEST(DashaQueries, OnTheCommandLine) {
  const std::vector<std::string> delhi{"--date",       "1990-03-05", "--time", "10:30",
                                       "--utc-offset", "+05:30",     "--lon",  "077E13",
                                       "--lat",        "28N38"};
  const struct {
    const char* on;
    int status;
    const char* expected;  // the last line of the text, or of the error
  } cases[] = {
      {"2030-01-01", 0,
       "Running on Jan 01, 2030: Sa/Me from Jan 02, 2028 to Sep 12, 2030"},
      {"1990-03-05", 2,
       "vantrel-print: --on 1990-03-05: before the chart's moment "
       "(Mar 05, 1990)"},
      {"2108-01-15", 2,
       "vantrel-print: --on 2108-01-15: after the end of the dasha "
       "listing (Dec 31, 2103)"},
      {"2001-02-29", 2,
       "vantrel-print: --on: expected a calendar date YYYY-MM-DD, not "
       "'2001-02-29'"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = delhi;
    args.insert(args.end(), {"--on", c.on});
    const PrintRun run = run_print(args);
    EXPECT_EQ(run.status, c.status) << c.on;
    const auto lines = split_lines(c.status == 0 ? run.out : run.err);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(c.status == 0 ? lines.back() : lines.front(), c.expected);
  }
  const PrintRun run = run_print(delhi);
  EXPECT_EQ(split_lines(run.out).back(),
            "Balance of Ma at birth: 0 years 9 months 26 days");
}

}  // namespace
