#include "chart/position_derivations.h"

#include <gtest/gtest.h>

#include <string>

#include "app/chart_state.h"

namespace {

// The ends of the circle and both sides of a nakshatra and of a sign.
TEST(PositionDerivations, BoundariesOfTheCircleSignsAndNakshatras) {
  const struct {
    int p, sign, degrees, minutes, nakshatra, navamsha;
    const char* text;
  } cases[] = {
      {0, 0, 0, 0, 0, 1, " 0Ar00"},          {799, 0, 13, 19, 0, 4, "13Ar19"},
      {800, 0, 13, 20, 1, 5, "13Ar20"},      {1799, 0, 29, 59, 2, 9, "29Ar59"},
      {1800, 1, 0, 0, 2, 10, " 0Ta00"},      {367, 0, 6, 7, 0, 2, " 6Ar07"},
      {12345, 6, 25, 45, 15, 2, "25Li45"},   {16805, 9, 10, 5, 21, 1, "10Cp05"},
      {21599, 11, 29, 59, 26, 12, "29Pi59"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.p);
    EXPECT_EQ(sign_of(c.p), c.sign);
    EXPECT_EQ(degrees_in_sign(c.p), c.degrees);
    EXPECT_EQ(minutes_in_degree(c.p), c.minutes);
    EXPECT_EQ(nakshatra_of(c.p), c.nakshatra);
    EXPECT_EQ(navamsha_sign_of(c.p), c.navamsha);
    char area[position_text_size];
    format_position(area, c.p);
    EXPECT_EQ(std::string(area), c.text);
  }
  EXPECT_STREQ(SignAbbrev[11], "Pi");
  EXPECT_STREQ(NakshatraNames[26], "Revati");
  EXPECT_DOUBLE_EQ(nakshatra_measure(1000), 1.25);
}

TEST(PositionDerivations, RetrogradeMarkOnlyOnMoonToSaturnMovingBack) {
  ChartState = {};
  for (int body = 0; body < body_count; ++body) ChartState.speeds[body] = -1;
  for (int body = 0; body < body_count; ++body)
    EXPECT_EQ(is_retrograde_marked(body), body >= 2 && body <= 7) << body;
  for (int body = 0; body < body_count; ++body) ChartState.speeds[body] = 0;
  for (int body = 0; body < body_count; ++body)
    EXPECT_FALSE(is_retrograde_marked(body)) << body;
}

}  // namespace
