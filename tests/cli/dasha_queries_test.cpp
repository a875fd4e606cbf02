#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <random>
#include <string>

#include "chart/chart.h"
#include "cli/json_report.h"

namespace {

// The balance and the running period, down to the third level, must agree
// with the listing they are read from, whatever the chart and the day asked
// about.
TEST(DashaQueries, AgreeWithTheListingOnRandomCharts) {
  std::mt19937 random(2029);
  for (int n = 0; n < 300; ++n) {
    auto pick = [&random](long low, long high) {
      return std::uniform_int_distribution<long>(low, high)(random);
    };
    ChartInput input{};
    input.year = static_cast<int>(pick(1600, 2400));
    input.month = static_cast<int>(pick(1, 12));
    input.day = static_cast<int>(pick(1, 28));
    input.hour = static_cast<int>(pick(0, 23));
    input.minute = static_cast<int>(pick(0, 59));
    set_zone(input, {static_cast<int>(pick(0, 12)), 0, false});
    set_longitude(input, {static_cast<int>(pick(0, 179)), 0, false});
    set_latitude(input, {static_cast<int>(pick(0, 89)), 0, false});
    const Chart computed = chart_of(input);
    // Every other day asked about is the next, mostly in the first period.
    const double on = std::floor(
        n % 2 == 0 ? computed.julian_day + 1
                   : std::uniform_real_distribution<double>(
                         computed.julian_day + 1, computed.dashas.end_day)(random));
    std::string line;
    append_json_report(line, {computed, 0, 1, nullptr, on, 3});
    const auto chart = nlohmann::json::parse(line);
    const auto& dashas = chart["dashas"];
    SCOPED_TRACE(line);

    const auto& balance = chart["balance"];
    EXPECT_EQ(balance["lord"], dashas.front()["major"]);
    std::size_t next = 1;
    while (dashas[next]["major"] == dashas.front()["major"]) ++next;
    const double total = balance["days_total"].get<double>();
    EXPECT_EQ(computed.julian_day + total, dashas[next]["day"].get<double>());
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

    // The third level: the period running is the last of the sub-period's
    // to start on or before the day, up to the next one's start.
    const auto& periods = dashas[i]["periods"];
    std::size_t k = 0;
    while (k + 1 < periods.size() && periods[k + 1]["day"].get<double>() <= on) ++k;
    const auto& period = running["period"];
    EXPECT_EQ(period["lord"], periods[k]["lord"]);
    EXPECT_EQ(period["start_date"], periods[k]["date"]);
    EXPECT_EQ(period["end_date"],
              k + 1 < periods.size() ? periods[k + 1]["date"] : running["end_date"]);
  }
}

}  // namespace
