#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/chart_names.h"
#include "base/units.h"
#include "ephemeris/body_positions.h"
#include "ephemeris/moon_and_node.h"
#include "ephemeris/planet_series.h"
#include "ephemeris/time_and_calendar.h"
#include "ephemeris/vsop87d_tables.h"
#include "support/test_support.h"

namespace {

double t_of(double julian_day) { return (julian_day - 2451545.0) / 36525.0; }

// Worked examples of J. Meeus, Astronomical Algorithms (2nd ed., 1998), each
// within what the truncated series here leave out.
TEST(Ephemeris, MeeusExamples) {
  const struct {
    int month, day, year, number;
  } days[] = {{1, 1, 2000, 2451545},  {10, 4, 1957, 2436116},  {1, 27, 333, 1842713},
              {1, 27, 1987, 2446823}, {6, 19, 1988, 2447332},  {7, 12, -1000, 1356001},
              {1, 1, 1600, 2305448},  {12, 31, 1600, 2305813}, {1, 1, -4712, 0},
              {10, 4, 1582, 2299160}, {10, 16, 1582, 2299162}};  // 7.a, 7.b, table 7.a
  for (const auto& d : days)
    EXPECT_EQ(julian_day_number(d.month, d.day, d.year), d.number) << d.year;
  const double t12 = t_of(2446895.5);  // 1987 April 10, 0h
  EXPECT_NEAR(local_sidereal_angle(t12, 0.0, 0.0), 197.693195, 1e-4);       // 12.a
  EXPECT_NEAR(mean_obliquity(t12) * radians_to_degrees, 23.4409463, 1e-6);  // 22.a
  EXPECT_NEAR(nutation_in_longitude(t12) * radians_to_degrees, -3.788 / 3600, 1.5e-4);
  EXPECT_NEAR(moon_longitude(t_of(2448724.5)), 133.162655, 1e-3);  // 47.a
  const HeliocentricCoordinates venus =
      heliocentric_coordinates(t_of(2448976.5), VenusSeries);
  EXPECT_NEAR(wrap_degrees(venus.l * radians_to_degrees), 26.11428, 5e-4);  // 32.a
  EXPECT_NEAR(venus.b * radians_to_degrees, -2.62070, 5e-4);
  EXPECT_NEAR(venus.r, 0.724603, 1e-5);
  const HeliocentricCoordinates earth =
      heliocentric_coordinates(t_of(2448908.5), EarthSeries);
  EXPECT_NEAR(wrap_degrees(earth.l * radians_to_degrees), 19.907372, 1e-4);  // 25.b
}

// The calendar against the C++ library's own, day by day from 1600 to 2400:
// the date of each day number, the day number of each date and the length of
// each month.
TEST(Calendar, AgreesWithTheStandardLibrary) {
  using namespace std::chrono;
  constexpr int julian_day_of_1970 = 2440588;
  for (sys_days day = sys_days(1600y / January / 1);
       day <= sys_days(2400y / December / 31); day += days(1)) {
    const year_month_day date(day);
    const int y = int(date.year());
    const int m = int(unsigned(date.month()));
    const int d = int(unsigned(date.day()));
    const int number = julian_day_of_1970 + int(day.time_since_epoch().count());
    const CivilDate civil = civil_date_of(number + 0.25);
    ASSERT_EQ(civil.year * 10000 + civil.month * 100 + civil.day, y * 10000 + m * 100 + d)
        << number;
    ASSERT_EQ(julian_day_number(m, d, y), number) << y << "-" << m << "-" << d;
    if (d != 1) continue;
    const year_month_day_last last(date.year(), month_day_last(date.month()));
    ASSERT_EQ(days_in_month(y, m), int(unsigned(last.day()))) << y << "-" << m;
  }
}

// The longitudes and daily motions of the nine bodies from 1600 to 2400 to
// 1e-10 degree: any change moves some chart across an arc-minute. Two moments are the
// hours in which the Moon passes 0 forward (5 January 2025, 20:00) and Rahu passes it
// backward (12 January 2025, 0:00).
TEST(Ephemeris, GoldenPositions) {
  const double moments[] = {
      -4.0,  -2.5, -1.0, 0.0, t_of(2460681.3333333335), t_of(2460687.5),
      0.375, 1.0,  2.5,  4.0};
  std::string actual;
  for (double t : moments) {
    double longitudes[body_count], motions[body_count];
    body_positions(t, longitudes, motions);
    char row[96];
    for (int body = 1; body < body_count; ++body) {
      std::snprintf(row, sizeof row, "%.12f %d %.10f %.10f\n", t, body, longitudes[body],
                    motions[body]);
      actual += row;
    }
  }
  expect_golden("ephemeris.txt", actual);
}

// Every term counts, however long the table: the series are summed in blocks.
TEST(Ephemeris, SeriesOfAnyLength) {
  std::vector<SeriesTerm> rows(200, SeriesTerm{0, 0, 0});
  double expected = 0.0;
  for (int i = 70; i < 200; ++i) {
    rows[i].amplitude = i * 1000;
    expected += i * 1e-5;
  }
  EXPECT_NEAR(cosine_series_sum(rows.data() + 70, 130, 0.5), expected, 1e-9);
}

TEST(Vsop87dTables, RegeneratedSourceMatchesTheCommittedOne) {
  const std::filesystem::path data = VANTREL_SHARED_DIR "/data/vsop87d";
  if (!std::filesystem::is_directory(data))
    GTEST_SKIP() << "no VSOP87D files at " << data << "; tables not regenerated";
  const std::string output = std::filesystem::temp_directory_path() /
                             ("vantrel_vsop87d_" + std::to_string(getpid()) + ".cpp");
  const std::string command = "python3 " VANTREL_SOURCE_DIR
                              "/tools/generate_vsop87d_tables.py \"" +
                              data.string() + "\" \"" + output + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const std::string regenerated = read_file(output);
  std::filesystem::remove(output);
  EXPECT_TRUE(regenerated ==
              read_file(VANTREL_SOURCE_DIR "/ephemeris/vsop87d_tables.cpp"))
      << "ephemeris/vsop87d_tables.cpp differs from the generator's output";
}

}  // namespace
