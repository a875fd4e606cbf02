#include <gtest/gtest.h>

#include <string>

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

}  // namespace
