#include "ephemeris/ascendant_ayanamsha.h"

#include <gtest/gtest.h>

namespace {

TEST(Ascendant, GreenwichEastAndSouth) {
  constexpr double to_four_decimals = 0.00005;
  EXPECT_NEAR(ascendant(0.0, 12.0, 0.0, 51.5), 24.2974, to_four_decimals);
  EXPECT_NEAR(ascendant(0.0, 0.0, 0.0, 0.0), 191.3779, to_four_decimals);
  EXPECT_NEAR(ascendant(0.0, 6.0, 0.0, 0.0), 279.6142, to_four_decimals);
  EXPECT_NEAR(ascendant(0.2500068446269678, 0.0, -77.2, 28.6), 256.1034,
              to_four_decimals);
  EXPECT_NEAR(ascendant(0.0, 12.0, 75.0, -33.9), 306.2373, to_four_decimals);
}

TEST(Ascendant, WithinOneTurnAllDay) {
  for (double hours = -12.0; hours <= 36.0; hours += 0.1) {
    for (double latitude = -66.0; latitude <= 66.0; latitude += 11.0) {
      const double a = ascendant(0.2, hours, -77.2, latitude);
      EXPECT_TRUE(a >= 0.0 && a <= 360.0) << hours << " " << latitude;
    }
  }
}

TEST(Ayanamsha, NegativeAndGrowingWithPrecession) {
  EXPECT_EQ(ayanamsha(0.0), -23.857222222222223);
  EXPECT_EQ(ayanamsha(1.0), -25.254475);
  EXPECT_EQ(ayanamsha(4.0), -29.44993333333333);
  EXPECT_EQ(ayanamsha(-4.0), -18.274377777777776);
}

}  // namespace
