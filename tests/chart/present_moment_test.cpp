#include "chart/present_moment.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/chart_state.h"
#include "app/local_clock.h"
#include "ephemeris/time_and_calendar.h"

namespace {

std::tm march_7_2009_1405() {
  std::tm local{};
  local.tm_year = 2009 - 1900;
  local.tm_mon = 2;
  local.tm_mday = 7;
  local.tm_hour = 14;
  local.tm_min = 5;
  local.tm_sec = 42;
  local.tm_wday = 6;
  return local;
}

class PresentMomentTest : public testing::Test {
 protected:
  void SetUp() override {
    // Leave traces of an earlier chart that the present moment must replace.
    std::memset(&ChartState, 0x5a, sizeof ChartState);
    ChartState.name[31] = ChartState.place[31] = ChartState.date_line[63] = '\0';
  }
  void TearDown() override { read_local_clock = system_local_time; }
};

TEST_F(PresentMomentTest, FillsEveryInputFromTheClockWithZoneAndPlaceZero) {
  fill_present_moment(march_7_2009_1405());
  EXPECT_STREQ(ChartState.name, "Prasna");
  EXPECT_STREQ(ChartState.place, "Nowhere");
  EXPECT_EQ(ChartState.month, 3);
  EXPECT_EQ(ChartState.day, 7);
  EXPECT_EQ(ChartState.year, 2009);
  EXPECT_EQ(ChartState.hour, 14);
  EXPECT_EQ(ChartState.minute, 5);
  EXPECT_EQ(ChartState.zone_hours, 0);
  EXPECT_EQ(ChartState.zone_minutes, 0);
  EXPECT_EQ(ChartState.zone_dir, 0);
  EXPECT_EQ(ChartState.zone_offset, 0.0);
  EXPECT_EQ(ChartState.lon_degrees, 0);
  EXPECT_EQ(ChartState.lon_minutes, 0);
  EXPECT_EQ(ChartState.lon_dir, 0);
  EXPECT_EQ(ChartState.longitude, 0.0);
  EXPECT_EQ(ChartState.lat_degrees, 0);
  EXPECT_EQ(ChartState.lat_minutes, 0);
  EXPECT_EQ(ChartState.lat_dir, 0);
  EXPECT_EQ(ChartState.latitude, 0.0);
  EXPECT_EQ(ChartState.chart_style, 0);
  // Default locale: weekday, %x date, clock time and the zone as given.
  EXPECT_STREQ(ChartState.date_line, "Sat 03/07/09 14:05 +0000");
}

TEST_F(PresentMomentTest, ComputesTheChartForTheClockReadingAsUniversalTime) {
  read_local_clock = march_7_2009_1405;
  present_moment_chart();
  double expected = julian_day_number(3, 7, 2009) + (14 + 5 / 60.0) / 24.0;
  EXPECT_DOUBLE_EQ(ChartState.julian_day, expected);
  for (int body = 0; body < body_count; ++body) {
    EXPECT_GE(ChartState.positions[body], 0);
    EXPECT_LE(ChartState.positions[body], 21599);
  }
  EXPECT_EQ(ChartState.speeds[ascendant_body], 0);
}

}  // namespace
