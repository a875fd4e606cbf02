#include "chart/position_derivations.h"

#include <gtest/gtest.h>

#include <string>

#include "app/chart_state.h"

namespace {

std::string position_text(int p) {
  char area[position_text_size];
  format_position(area, p);
  return area;
}

TEST(PositionDerivations, CircleEnds) {
  EXPECT_EQ(sign_of(0), 0);
  EXPECT_EQ(degrees_in_sign(0), 0);
  EXPECT_EQ(minutes_in_degree(0), 0);
  EXPECT_EQ(nakshatra_of(0), 0);
  EXPECT_EQ(navamsha_sign_of(0), 1);
  EXPECT_EQ(position_text(0), " 0Ar00");

  EXPECT_EQ(sign_of(21599), 11);
  EXPECT_STREQ(SignAbbrev[sign_of(21599)], "Pi");
  EXPECT_EQ(degrees_in_sign(21599), 29);
  EXPECT_EQ(minutes_in_degree(21599), 59);
  EXPECT_EQ(nakshatra_of(21599), 26);
  EXPECT_STREQ(NakshatraNames[nakshatra_of(21599)], "Revati");
  EXPECT_EQ(navamsha_sign_of(21599), 12);
  EXPECT_EQ(position_text(21599), "29Pi59");
}

TEST(PositionDerivations, BoundariesOfSignsAndNakshatras) {
  EXPECT_EQ(nakshatra_of(799), 0);
  EXPECT_EQ(nakshatra_of(800), 1);

  EXPECT_EQ(sign_of(1799), 0);
  EXPECT_EQ(degrees_in_sign(1799), 29);
  EXPECT_EQ(minutes_in_degree(1799), 59);
  EXPECT_EQ(nakshatra_of(1799), 2);
  EXPECT_EQ(navamsha_sign_of(1799), 9);

  EXPECT_EQ(sign_of(1800), 1);
  EXPECT_EQ(degrees_in_sign(1800), 0);
  EXPECT_EQ(navamsha_sign_of(1800), 10);
}

TEST(PositionDerivations, NavamshaRhythmAroundTheCircle) {
  // First navamsha of each sign: Aries, Capricorn, Libra, Cancer, repeating.
  const int first_of_sign[12] = {1, 10, 7, 4, 1, 10, 7, 4, 1, 10, 7, 4};
  for (int sign = 0; sign < 12; ++sign) {
    EXPECT_EQ(navamsha_sign_of(sign * 1800), first_of_sign[sign]) << sign;
    EXPECT_EQ(navamsha_sign_of(sign * 1800 + 1799), (first_of_sign[sign] + 7) % 12 + 1)
        << sign;
  }
}

TEST(PositionDerivations, NakshatraMeasureOfTheMoon) {
  EXPECT_DOUBLE_EQ(nakshatra_measure(1000), 1.25);
  EXPECT_EQ(static_cast<int>(nakshatra_measure(1000)), 1);
  EXPECT_DOUBLE_EQ(nakshatra_measure(799), 799 / 800.0);
}

TEST(PositionDerivations, PositionText) {
  EXPECT_EQ(position_text(12345), "25Li45");
  EXPECT_EQ(position_text(367), " 6Ar07");
  EXPECT_EQ(position_text(1800 * 9 + 60 * 10 + 5), "10Cp05");
}

TEST(PositionDerivations, RetrogradeMarkOnlyOnMoonToSaturn) {
  ChartState = {};
  for (int body = 0; body < body_count; ++body) ChartState.speeds[body] = -1;
  for (int body = 0; body < body_count; ++body)
    EXPECT_EQ(is_retrograde_marked(body), body >= 2 && body <= 7) << body;

  for (int body = 0; body < body_count; ++body) ChartState.speeds[body] = 0;
  for (int body = 0; body < body_count; ++body)
    EXPECT_FALSE(is_retrograde_marked(body)) << body;

  ChartState.speeds[moon_body] = 47000;
  ChartState.speeds[saturn_body] = -120;
  EXPECT_FALSE(is_retrograde_marked(moon_body));
  EXPECT_TRUE(is_retrograde_marked(saturn_body));
}

}  // namespace
