#include "ephemeris/moon_and_node.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/lunar_tables.h"

namespace {

constexpr double to_a_thousandth = 0.0005;

TEST(MoonLongitude, AtJ2000AndACenturyEitherSide) {
  EXPECT_NEAR(moon_longitude(0.0), 223.319, to_a_thousandth);
  EXPECT_NEAR(moon_longitude(1.0), 164.412, to_a_thousandth);
  EXPECT_NEAR(moon_longitude(-1.0), 265.294, to_a_thousandth);
}

TEST(LunarNode, AtJ2000AndACenturyEitherSide) {
  EXPECT_NEAR(lunar_node(0.0), 123.951, to_a_thousandth);
  EXPECT_NEAR(lunar_node(1.0), 349.823, to_a_thousandth);
  EXPECT_NEAR(lunar_node(-1.0), 260.280, to_a_thousandth);
}

// The true node swings about the mean node (125.0446 at J2000) by less than
// two degrees.
TEST(LunarNode, StaysNearTheMeanNode) {
  for (double t = -4.0; t <= 4.0; t += 0.0137) {
    const double mean = 125.0446 - t * 1934.13618 + t * t * 0.0020762 +
                        t * t * t * 2.139e-6 - t * t * t * t * 1.65e-8;
    double gap = std::fmod(lunar_node(t) - mean, 360.0);
    if (gap > 180.0) gap -= 360.0;
    if (gap < -180.0) gap += 360.0;
    EXPECT_LT(std::fabs(gap), 2.0) << t;
  }
}

TEST(MoonAndNode, NeverOutsideOneTurn) {
  for (double t = -4.0; t <= 4.0; t += 0.000731) {
    const double moon = moon_longitude(t);
    ASSERT_GE(moon, 0.0) << t;
    ASSERT_LT(moon, 360.0) << t;
    const double node = lunar_node(t);
    ASSERT_GE(node, 0.0) << t;
    ASSERT_LT(node, 360.0) << t;
  }
}

TEST(LunarTables, FirstAndLastRows) {
  EXPECT_EQ(MoonTerms[0].m_prime, 1);
  EXPECT_EQ(MoonTerms[0].amplitude, 628877383);
  EXPECT_EQ(MoonTerms[4].m, 1);
  EXPECT_EQ(MoonTerms[4].amplitude, -18511586);
  EXPECT_EQ(MoonTerms[33].m, 2);
  EXPECT_EQ(MoonTerms[59].d, 2);
  EXPECT_EQ(MoonTerms[59].m_prime, 1);
  EXPECT_EQ(MoonTerms[59].f, 2);
  EXPECT_EQ(MoonTerms[59].amplitude, -27506);
  EXPECT_EQ(NodeTerms[0].amplitude, -14979);
  EXPECT_EQ(NodeTerms[0].phase, 491562);
  EXPECT_EQ(NodeTerms[0].t4, -2001);
  EXPECT_EQ(NodeRates[0], -75869.812);
  EXPECT_EQ(NodeTerms[21].amplitude, 28);
  EXPECT_EQ(NodeTerms[21].t2, -69594);
  EXPECT_EQ(NodeRates[21], 1002403.0853);
}

}  // namespace
