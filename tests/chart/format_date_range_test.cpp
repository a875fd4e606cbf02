// Dates of the day numbers that hand-edited chart lines reach, far from the
// charts the dialog lets in.
#include <gtest/gtest.h>

#include <string>

#include "app/chart_state.h"
#include "chart/vimshottari.h"

namespace {

std::string date_text(double day_count) {
  char area[date_text_size];
  format_date(area, day_count);
  return area;
}

// Mended: below day 0 the truncations gave months of 0 and less, read from
// before the month table. The farthest days an accepted line reaches (years of
// +-99999, times and zones of up to 2^31 hours) are 1489 cycles of 400 years
// after 10 June 2027 and 1506 cycles before day 22082, 10 May -4652.
TEST(FormatDateRange, NegativeAndFarthestDayNumbers) {
  EXPECT_EQ(date_text(0), "Nov 24, -4713");
  EXPECT_EQ(date_text(-1), "Nov 23, -4713");
  EXPECT_EQ(date_text(-0.5), "Nov 24, -4713");  // truncated toward zero, as above 0
  EXPECT_EQ(date_text(-146097), "Nov 24, -5113");
  EXPECT_EQ(date_text(-146098), "Nov 23, -5113");
  EXPECT_EQ(date_text(-400), "Oct 20, -4714");
  EXPECT_EQ(date_text(2.2e8), "Jun 10, 597627");
  EXPECT_EQ(date_text(22082), "May 10, -4652");
  EXPECT_EQ(date_text(-2.2e8), "May 10, -607052");
}

TEST(FormatDateRange, EveryDayOfEightHundredNegativeYearsHasAMonthOfTheTable) {
  for (int day = -146097 * 2; day < 0; day += 7) {
    const std::string month = date_text(day).substr(0, 3);
    bool known = false;
    for (const char* abbrev : MonthAbbrev) known = known || month == abbrev;
    ASSERT_TRUE(known) << day << ": " << date_text(day);
  }
}

}  // namespace
