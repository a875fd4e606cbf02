#include "chart/compute_chart.h"

#include <gtest/gtest.h>

#include "app/chart_state.h"
#include "chart/position_derivations.h"
#include "ephemeris/ascendant_ayanamsha.h"

namespace {

void set_moment(int hour, int minute, double zone_offset) {
  ChartState = {};
  ChartState.month = 1;
  ChartState.day = 1;
  ChartState.year = 2000;
  ChartState.hour = hour;
  ChartState.minute = minute;
  ChartState.zone_offset = zone_offset;
}

// A negative sum truncates toward zero before the turn is added.
TEST(SiderealMinutes, NegativeSumsRoundUpPositiveOnesDown) {
  EXPECT_EQ(sidereal_minutes(0.0, 0.0), 0);
  EXPECT_EQ(sidereal_minutes(-0.01, 0.0), 0);
  EXPECT_EQ(sidereal_minutes(-13.86, 0.0), 20769);
  EXPECT_EQ(sidereal_minutes(10.0, -23.86), 20769);
  EXPECT_EQ(sidereal_minutes(13.86, 0.0), 831);
  EXPECT_EQ(sidereal_minutes(359.999, 0.0), 21599);
  EXPECT_EQ(sidereal_minutes(360.0, 0.0), 0);
}

TEST(MotionArcSeconds, TruncatesTowardZero) {
  EXPECT_EQ(motion_arc_seconds(-0.0002), 0);
  EXPECT_EQ(motion_arc_seconds(-0.00028), -1);
  EXPECT_EQ(motion_arc_seconds(-0.5), -1800);
  EXPECT_EQ(motion_arc_seconds(13.176), 47433);
  ChartState = {};
  ChartState.speeds[mercury_body] = motion_arc_seconds(-0.0002);
  EXPECT_FALSE(is_retrograde_marked(mercury_body));
}

TEST(ComputeChart, ZoneOffsetMovesTheMoment) {
  set_moment(0, 0, 0.0);
  ChartState.speeds[ascendant_body] = 99;
  compute_chart();
  EXPECT_EQ(ChartState.julian_day, 2451545.0);
  EXPECT_EQ(ChartState.speeds[ascendant_body], 0);

  set_moment(23, 30, -5.5);
  compute_chart();
  EXPECT_EQ(ChartState.julian_day, 2451545.0 + 18.0 / 24.0);
}

// 23:30 in zone "+" 5:00 is 28.5 hours of Universal Time, used unreduced.
TEST(ComputeChart, LateLocalTimeInAWesternZoneRunsPastMidnight) {
  set_moment(23, 30, 5.0);
  ChartState.longitude = 75.5;
  ChartState.latitude = 40.25;
  compute_chart();
  EXPECT_EQ(ChartState.julian_day, 2451546.1875);
  const double t = (2451546.1875 - 0.5 - 2451545.0) / 36525.0;
  EXPECT_EQ(ChartState.positions[ascendant_body],
            sidereal_minutes(ascendant(t, 28.5, 75.5, 40.25), ayanamsha(t)));
}

}  // namespace
