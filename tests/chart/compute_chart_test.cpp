#include "chart/compute_chart.h"

#include <gtest/gtest.h>

#include "app/chart_state.h"
#include "chart/position_derivations.h"
#include "ephemeris/ascendant_ayanamsha.h"

namespace {

void set_moment(int month, int day, int year, int hour, int minute, double zone_offset) {
  ChartState = {};
  ChartState.month = month;
  ChartState.day = day;
  ChartState.year = year;
  ChartState.hour = hour;
  ChartState.minute = minute;
  ChartState.zone_offset = zone_offset;
}

TEST(SiderealMinutes, TruncatesTowardZeroBeforeAddingTheTurn) {
  EXPECT_EQ(sidereal_minutes(0.0, 0.0), 0);
  EXPECT_EQ(sidereal_minutes(-0.01, 0.0), 0);
  EXPECT_EQ(sidereal_minutes(10.0, -10.01), 0);
  EXPECT_EQ(sidereal_minutes(-13.86, 0.0), 20769);
  EXPECT_EQ(sidereal_minutes(10.0, -23.86), 20769);
  // A positive sum rounds down.
  EXPECT_EQ(sidereal_minutes(13.86, 0.0), 831);
  EXPECT_EQ(sidereal_minutes(359.999, 0.0), 21599);
  EXPECT_EQ(sidereal_minutes(360.0, 0.0), 0);
  EXPECT_EQ(sidereal_minutes(5.0, -23.86), 21600 - 1131);
}

TEST(SiderealMinutes, StaysOnTheCircle) {
  for (double tropical = 0.0; tropical < 360.0; tropical += 0.37) {
    int p = sidereal_minutes(tropical, -24.1234);
    EXPECT_GE(p, 0);
    EXPECT_LE(p, 21599);
  }
}

TEST(MotionArcSeconds, TruncatesTowardZero) {
  EXPECT_EQ(motion_arc_seconds(-0.0002), 0);
  EXPECT_EQ(motion_arc_seconds(0.0002), 0);
  EXPECT_EQ(motion_arc_seconds(-0.5), -1800);
  EXPECT_EQ(motion_arc_seconds(13.176), 47433);
  EXPECT_EQ(motion_arc_seconds(-0.00028), -1);

  ChartState = {};
  ChartState.speeds[mercury_body] = motion_arc_seconds(-0.0002);
  EXPECT_FALSE(is_retrograde_marked(mercury_body));
}

TEST(ComputeChart, MidnightOfJ2000) {
  set_moment(1, 1, 2000, 0, 0, 0.0);
  compute_chart();
  EXPECT_EQ(ChartState.julian_day, 2451545.0);
  EXPECT_EQ(ChartState.speeds[ascendant_body], 0);
}

TEST(ComputeChart, LateLocalTimeInAWesternZoneRunsPastMidnight) {
  set_moment(1, 1, 2000, 23, 30, 5.0);
  ChartState.longitude = 75.5;
  ChartState.latitude = 40.25;
  compute_chart();
  EXPECT_EQ(ChartState.julian_day, 2451546.1875);

  // The ascendant is asked with the unreduced 28.5 hours.
  double t = (2451546.1875 - 0.5 - 2451545.0) / 36525.0;
  double a = ayanamsha(t);
  EXPECT_EQ(ChartState.positions[ascendant_body],
            sidereal_minutes(ascendant(t, 28.5, 75.5, 40.25), a));
}

TEST(ComputeChart, EasternZoneGoesBackInTime) {
  set_moment(1, 1, 2000, 23, 30, -5.5);
  compute_chart();
  EXPECT_EQ(ChartState.julian_day, 2451545.0 + 18.0 / 24.0);
}

TEST(ComputeChart, ResultsDescribeTheInputsOnly) {
  set_moment(8, 15, 1987, 14, 45, -5.5);
  ChartState.longitude = -77.2;
  ChartState.latitude = 28.6;
  compute_chart();
  ChartStateRecord first = ChartState;
  ChartState.speeds[ascendant_body] = 99;
  compute_chart();
  EXPECT_EQ(ChartState.julian_day, first.julian_day);
  EXPECT_EQ(ChartState.speeds[ascendant_body], 0);
  for (int body = 0; body < body_count; ++body) {
    EXPECT_EQ(ChartState.positions[body], first.positions[body]) << body;
    EXPECT_EQ(ChartState.speeds[body], first.speeds[body]) << body;
    EXPECT_GE(ChartState.positions[body], 0);
    EXPECT_LE(ChartState.positions[body], 21599);
  }
  // The nodes stay six signs apart.
  int apart =
      (ChartState.positions[ketu_body] - ChartState.positions[rahu_body] + 21600) % 21600;
  EXPECT_NEAR(apart, 10800, 1);
}

}  // namespace
