#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <random>
#include <string>

#include "app/chart_state.h"
#include "chart/compute_chart.h"
#include "chart/vimshottari.h"
#include "cli/json_report.h"
#include "dialogs/chart_data_entries.h"

namespace {

// The balance and the running period must agree with the listing they are
// read from, whatever the chart and the day asked about.
TEST(DashaQueries, AgreeWithTheListingOnRandomCharts) {
  std::mt19937 random(2029);
  for (int n = 0; n < 300; ++n) {
    auto pick = [&random](long low, long high) {
      return std::uniform_int_distribution<long>(low, high)(random);
    };
    ChartDataValues values;
    values.year = pick(1600, 2400);
    values.month_index = static_cast<int>(pick(0, 11));
    values.day = pick(1, 28);
    values.hour = pick(0, 23);
    values.minute = pick(0, 59);
    values.zone_hours = pick(0, 12);
    values.lon_degrees = pick(0, 179);
    values.lat_degrees = pick(0, 89);
    store_chart_values(values);
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
    while (i + 1 < dashas.size() && dashas[i + 1]["day"].get<double>() <= on) ++i;
    EXPECT_EQ(running["major"], dashas[i]["major"]);
    EXPECT_EQ(running["sub"], dashas[i]["sub"]);
    EXPECT_EQ(running["start_date"], dashas[i]["date"]);
    if (i + 1 < dashas.size()) {
      EXPECT_EQ(running["end_date"], dashas[i + 1]["date"]);
    }
  }
}

}  // namespace
