#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "app/chart_state.h"
#include "dialogs/chart_data_entries.h"
#include "support/sample_entries.h"

namespace {
class ChartDataStore : public testing::Test {
 protected:
  void SetUp() override { ChartState = {}; }
};

TEST_F(ChartDataStore, StoresEveryFieldWithItsSignConvention) {
  ChartState.chart_style = 1;
  ChartState.julian_day = 1234.5;
  ChartState.positions[moon_body] = 777;
  store_chart_data(delhi_entries());

  EXPECT_STREQ(ChartState.name, "Delhi chart");
  EXPECT_STREQ(ChartState.place, "New Delhi");
  EXPECT_EQ(ChartState.month, 3);
  EXPECT_EQ(ChartState.day, 5);
  EXPECT_EQ(ChartState.year, 1990);
  EXPECT_EQ(ChartState.hour, 7);
  EXPECT_EQ(ChartState.minute, 5);
  EXPECT_EQ(ChartState.zone_hours, 5);
  EXPECT_EQ(ChartState.zone_minutes, 0);
  EXPECT_EQ(ChartState.zone_dir, 0);
  EXPECT_EQ(ChartState.zone_offset, 5.0);
  EXPECT_EQ(ChartState.lon_degrees, 77);
  EXPECT_EQ(ChartState.lon_minutes, 13);
  EXPECT_EQ(ChartState.lon_dir, 1);
  EXPECT_EQ(ChartState.longitude, -(77 + 13 / 60.0));
  EXPECT_NEAR(ChartState.longitude, -77.216666, 1e-6);
  EXPECT_EQ(ChartState.lat_degrees, 28);
  EXPECT_EQ(ChartState.lat_minutes, 38);
  EXPECT_EQ(ChartState.lat_dir, 0);
  EXPECT_EQ(ChartState.latitude, 28 + 38 / 60.0);
  EXPECT_NEAR(ChartState.latitude, 28.633333, 1e-6);
  EXPECT_STREQ(ChartState.date_line, "Mar 5, 1990 07:05 Zone: 05:00");

  // Storing computes nothing and leaves the display option alone.
  EXPECT_EQ(ChartState.chart_style, 1);
  EXPECT_EQ(ChartState.julian_day, 1234.5);
  EXPECT_EQ(ChartState.positions[moon_body], 777);
}

TEST_F(ChartDataStore, ZoneEastOfGreenwichIsNegativeAndKeepsItsSignInDateLine) {
  ChartDataEntries entries = delhi_entries();
  entries.zone_sign_index = 1;
  entries.zone_minutes = "30";
  store_chart_data(entries);
  EXPECT_EQ(ChartState.zone_dir, 1);
  EXPECT_EQ(ChartState.zone_offset, -5.5);
  EXPECT_STREQ(ChartState.date_line, "Mar 5, 1990 07:05 Zone: -5:30");
}

TEST_F(ChartDataStore, ZeroCoordinatesAndZones) {
  ChartDataEntries entries = delhi_entries();
  entries.zone_hours = "0";
  entries.zone_minutes = "0";
  entries.lon_degrees = "0";
  entries.lon_minutes = "0";
  entries.lon_dir_index = 1;
  entries.lat_degrees = "0";
  entries.lat_minutes = "0";
  store_chart_data(entries);
  // 0 E 0 keeps its "E" and is a negative zero that computes as 0.
  EXPECT_EQ(ChartState.lon_dir, 1);
  EXPECT_EQ(ChartState.longitude, 0.0);
  EXPECT_TRUE(std::signbit(ChartState.longitude));
  // "+" 00:00 and 0 N 0 are plain zeros.
  EXPECT_FALSE(std::signbit(ChartState.zone_offset));
  EXPECT_FALSE(std::signbit(ChartState.latitude));
  EXPECT_STREQ(ChartState.date_line, "Mar 5, 1990 07:05 Zone: 00:00");
}

TEST_F(ChartDataStore, SouthWestAndLastMonth) {
  ChartDataEntries entries = delhi_entries();
  entries.month_index = 11;
  entries.day = "31";
  entries.year = "2400";
  entries.hour = "23";
  entries.minute = "59";
  entries.zone_sign_index = 1;
  entries.zone_hours = "12";
  entries.zone_minutes = "59";
  entries.lon_dir_index = 0;
  entries.lat_dir_index = 1;
  store_chart_data(entries);
  EXPECT_EQ(ChartState.month, 12);
  EXPECT_EQ(ChartState.longitude, 77 + 13 / 60.0);
  EXPECT_EQ(ChartState.lat_dir, 1);
  EXPECT_EQ(ChartState.latitude, -(28 + 38 / 60.0));
  EXPECT_EQ(ChartState.zone_offset, -(12 + 59 / 60.0));
  EXPECT_STREQ(ChartState.date_line, "Dec 31, 2400 23:59 Zone: -12:59");
}

TEST_F(ChartDataStore, IntegerTextsAreStoredAsRead) {
  ChartDataEntries entries = delhi_entries();
  entries.day = "010";
  entries.hour = "08";
  entries.minute = "0x0A";
  entries.zone_hours = "";
  entries.lat_degrees = "";
  store_chart_data(entries);
  EXPECT_EQ(ChartState.day, 8);
  EXPECT_EQ(ChartState.hour, 0);
  EXPECT_EQ(ChartState.minute, 10);
  EXPECT_EQ(ChartState.zone_hours, 0);
  EXPECT_EQ(ChartState.lat_degrees, 0);
  EXPECT_STREQ(ChartState.date_line, "Mar 8, 1990 00:10 Zone: 00:00");
}

TEST_F(ChartDataStore, NameAndPlaceAreCutTo23Bytes) {
  ChartDataEntries entries = delhi_entries();
  entries.name = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd";  // 30 characters
  entries.place = "";
  std::strcpy(ChartState.place, "Old place");
  store_chart_data(entries);
  EXPECT_STREQ(ChartState.name, "ABCDEFGHIJKLMNOPQRSTUVW");
  EXPECT_STREQ(ChartState.place, "");

  // A character across byte 23 is left out whole.
  entries.name = std::string(22, 'a') + "\xC3\xA9xyz";
  entries.place = "Sa\xCC\x83o Paulo \xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC";
  store_chart_data(entries);
  EXPECT_EQ(std::string(ChartState.name), std::string(22, 'a'));
  EXPECT_EQ(std::string(ChartState.place),
            "Sa\xCC\x83o Paulo \xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC");
}
}  // namespace
