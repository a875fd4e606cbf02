#include <gtest/gtest.h>

#include <random>
#include <string>

#include "chart/chart.h"
#include "chart/vimshottari.h"

namespace {

// Gregorian throughout. Mended: below day 0 the truncations gave months of 0
// and less, read from before the month table. The farthest days an accepted
// chart line reaches (years of +-99999, zones of up to 2^31 hours) are 1489
// cycles of 400 years after 10 June 2027 and 1506 cycles before 10 May -4652.
TEST(FormatDate, GregorianThroughoutAndBeforeDayZero) {
  const std::pair<double, const char*> rows[] = {
      {2451545.25, "Jan 01, 2000"}, {2451910.5, "Dec 31, 2000"},
      {2299161.2, "Oct 15, 1582"},  {2299160.6, "Oct 14, 1582"},
      {2451604.9, "Feb 29, 2000"},  {2451605.0, "Mar 01, 2000"},
      {0, "Nov 24, -4713"},         {-0.5, "Nov 24, -4713"},
      {-1, "Nov 23, -4713"},        {-400, "Oct 20, -4714"},
      {-146097, "Nov 24, -5113"},   {-146098, "Nov 23, -5113"},
      {22082, "May 10, -4652"},     {2.2e8, "Jun 10, 597627"},
      {-2.2e8, "May 10, -607052"}};
  for (const auto& [day, text] : rows) {
    char area[date_text_size];
    format_date(area, day);
    EXPECT_STREQ(area, text) << day;
  }
}

// Mended: a sum below 0 (the last degrees of Pisces) was truncated toward
// zero, an arc-minute high, so Ketu stood at 0Ar00 opposite Rahu's 29Vi59 on
// 28 December 1902 at 07:00 UT. Every arc-minute is measured downward, and
// Rahu and Ketu are opposite in every chart.
TEST(SiderealMinutes, DownwardOnEitherSideOfZero) {
  const struct {
    double tropical, ayanamsha;
    int minutes;
  } rows[] = {{10.0, -10.51, 21569},
              {10.51, -10.0, 30},
              {0.0, -1e-9, 21599},
              {359.99, -24.0, 20159},
              {0.0, 0.0, 0}};
  for (const auto& row : rows)
    EXPECT_EQ(sidereal_minutes(row.tropical, row.ayanamsha), row.minutes) << row.tropical;
  ChartInput input{};
  input.year = 1902, input.month = 12, input.day = 28, input.hour = 7;
  std::mt19937 random(1902);
  for (int n = 0; n < 5000; ++n) {
    const Chart chart = chart_of(input);
    if (n == 0) {
      EXPECT_EQ(chart.positions[ketu_body], 21599);
    }
    ASSERT_EQ(chart.positions[ketu_body], (chart.positions[rahu_body] + 10800) % 21600)
        << n;
    input.year = std::uniform_int_distribution<int>(1600, 2400)(random);
    input.day = std::uniform_int_distribution<int>(1, 28)(random);
    input.hour = std::uniform_int_distribution<int>(0, 23)(random);
    input.minute = std::uniform_int_distribution<int>(0, 59)(random);
  }
}

}  // namespace
