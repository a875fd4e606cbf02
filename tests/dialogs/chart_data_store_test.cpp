#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/chart_state.h"
#include "dialogs/chart_data_entries.h"
#include "support/sample_charts.h"
#include "support/sample_entries.h"
#include "tests/storage/line_helpers.h"

namespace {
class ChartDataStore : public testing::Test {
 protected:
  void SetUp() override { ChartState = {}; }
};

TEST_F(ChartDataStore, StoresEveryFieldAndComputesNothing) {
  ChartState.chart_style = 1;
  ChartState.julian_day = 1234.5;
  store_chart_data(delhi_entries());
  EXPECT_EQ(inputs_of(ChartState),
            inputs_of(chart_inputs("Delhi chart", 3, 5, 1990, 7, 5, 0, 5, 0, 77, 1, 13,
                                   28, 0, 38, "New Delhi")));
  EXPECT_NEAR(ChartState.longitude, -77.216666, 1e-6);
  EXPECT_NEAR(ChartState.latitude, 28.633333, 1e-6);
  EXPECT_STREQ(ChartState.date_line, "Mar 5, 1990 07:05 Zone: 05:00");
  EXPECT_EQ(ChartState.chart_style, 1);
  EXPECT_EQ(ChartState.julian_day, 1234.5);
}

TEST_F(ChartDataStore, SignConventionsAndIntegerTexts) {
  ChartDataEntries entries = delhi_entries();
  entries.zone_sign_index = 1;
  entries.zone_minutes = "30";
  entries.lon_dir_index = 0;
  entries.lat_dir_index = 1;
  store_chart_data(entries);
  EXPECT_EQ(inputs_of(ChartState),
            inputs_of(chart_inputs("Delhi chart", 3, 5, 1990, 7, 5, 1, 5, 30, 77, 0, 13,
                                   28, 1, 38, "New Delhi")));
  EXPECT_EQ(ChartState.zone_offset, -5.5);
  EXPECT_STREQ(ChartState.date_line, "Mar 5, 1990 07:05 Zone: -5:30");

  entries = delhi_entries();
  entries.day = "010";
  entries.hour = "08";
  entries.minute = "0x0A";
  entries.zone_hours = "";
  const std::string thirty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd";
  entries.name = thirty;
  entries.place = std::string(22, 'a') + "\xC3\xA9xyz";
  store_chart_data(entries);
  EXPECT_EQ(inputs_of(ChartState),
            inputs_of(chart_inputs(thirty.substr(0, 23).c_str(), 3, 10, 1990, 8, 0, 0, 0,
                                   0, 77, 1, 13, 28, 0, 38, "aaaaaaaaaaaaaaaaaaaaaa")));
  EXPECT_STREQ(ChartState.date_line, "Mar 10, 1990 08:00 Zone: 00:00");
}

// 0 E 0 keeps its "E" as a negative zero; "+" 00:00 and 0 N 0 are plain zeros.
TEST_F(ChartDataStore, ZeroCoordinatesAndZone) {
  ChartDataEntries zeros = delhi_entries();
  zeros.zone_hours = zeros.lon_degrees = zeros.lon_minutes = "0";
  zeros.lat_degrees = zeros.lat_minutes = "0";
  store_chart_data(zeros);
  EXPECT_EQ(ChartState.lon_dir, 1);
  EXPECT_TRUE(ChartState.longitude == 0 && std::signbit(ChartState.longitude));
  EXPECT_FALSE(std::signbit(ChartState.zone_offset));
  EXPECT_FALSE(std::signbit(ChartState.latitude));
  EXPECT_STREQ(ChartState.date_line, "Mar 5, 1990 07:05 Zone: 00:00");
}
}  // namespace
