#include "ephemeris/moon_and_node.h"

#include <gtest/gtest.h>

#include "ephemeris/lunar_tables.h"

namespace {

TEST(MoonAndNode, AtJ2000AndACenturyEitherSide) {
  const struct {
    double t, moon, node;
  } cases[] = {
      {0.0, 223.319, 123.951}, {1.0, 164.412, 349.823}, {-1.0, 265.294, 260.280}};
  for (const auto& c : cases) {
    EXPECT_NEAR(moon_longitude(c.t), c.moon, 0.0005) << c.t;
    EXPECT_NEAR(lunar_node(c.t), c.node, 0.0005) << c.t;
  }
}

TEST(MoonAndNode, NeverOutsideOneTurn) {
  for (double t = -4.0; t <= 4.0; t += 0.000731) {
    const double moon = moon_longitude(t);
    const double node = lunar_node(t);
    ASSERT_TRUE(moon >= 0.0 && moon < 360.0) << t;
    ASSERT_TRUE(node >= 0.0 && node < 360.0) << t;
  }
}

// Every field summed with its row number as weight, against the same sums of
// the printed tables: a changed, lost or swapped row shows, however small.
TEST(LunarTables, AsPrinted) {
  long long moon[5] = {}, node[5] = {};
  double rates = 0.0;
  for (int i = 0; i < moon_term_count; ++i) {
    const MoonTerm& r = MoonTerms[i];
    const long long fields[] = {r.d, r.m, r.m_prime, r.f, r.amplitude};
    for (int k = 0; k < 5; ++k) moon[k] += (i + 1) * fields[k];
  }
  for (int i = 0; i < node_term_count; ++i) {
    const NodeTerm& r = NodeTerms[i];
    const long long fields[] = {r.amplitude, r.phase, r.t2, r.t3, r.t4};
    for (int k = 0; k < 5; ++k) node[k] += (i + 1) * fields[k];
    rates += (i + 1) * NodeRates[i];
  }
  const long long moon_sums[] = {3245, 321, 81, -58, 1116286607};
  const long long node_sums[] = {-8266, 451608030, 195950, 694591, -259994};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(moon[k], moon_sums[k]) << "MoonTerm field " << k;
    EXPECT_EQ(node[k], node_sums[k]) << "NodeTerm field " << k;
  }
  EXPECT_NEAR(rates, 53862695.1207, 1e-6);
}

}  // namespace
