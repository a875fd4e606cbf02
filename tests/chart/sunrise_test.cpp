#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "chart/sunrise.h"

namespace {

// The program's Sun against astronomy-engine's on 60 days from 1600 to 2400,
// from the equator to 64 degrees, where the sunrise moves most with the Sun's
// declination: at most 7.5 s apart measured, the limit half as much again.
// The library adds Delta T, the nutation in obliquity and the parallax; the
// minutes written may differ by one where the seconds straddle a half minute.
constexpr double reference_seconds = 12.0;

// "2020-05-12 05:01:30.6" (UT) in seconds on the UtSecond scale, or "none".
std::optional<double> reference_second(const std::string& text) {
  int year, month, day, hour, minute;
  double second;
  if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%lf", &year, &month, &day, &hour, &minute,
                  &second) != 6)
    return std::nullopt;
  return static_cast<double>(ut_minute_of(year, month, day, hour, minute) * 60) + second;
}

void expect_near(std::optional<UtSecond> found, const std::string& reference,
                 const std::string& line) {
  const std::optional<double> expected = reference_second(reference);
  ASSERT_EQ(found.has_value(), expected.has_value()) << line;
  if (!found) return;
  EXPECT_LE(std::fabs(static_cast<double>(*found) - *expected), reference_seconds)
      << line;
  EXPECT_LE(std::llabs(nearest_minute(*found) - std::llround(*expected / 60)), 1) << line;
}

TEST(Sunrise, AgreesWithAstronomyEngine) {
  std::ifstream table(VANTREL_SOURCE_DIR "/tests/data/sunrise_reference.tsv");
  int rows = 0;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::istringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    ASSERT_EQ(fields.size(), 8u) << line;
    const GeoPlace place{-std::stod(fields[2]), std::stod(fields[1])};
    int year, month, day;
    ASSERT_EQ(std::sscanf(fields[4].c_str(), "%d-%d-%d", &year, &month, &day), 3);
    const UtMinute midnight = ut_minute_of(year, month, day, 0, 0) - std::stoi(fields[3]);
    const SunTimes times = sun_times(midnight, midnight + minutes_per_day, place,
                                     fields[5] == "limb" ? limb_rule : centre_rule);
    expect_near(times.sunrise, fields[6], line);
    expect_near(times.sunset, fields[7], line);
    ++rows;
  }
  EXPECT_EQ(rows, 60);
}

}  // namespace
