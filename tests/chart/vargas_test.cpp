#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

#include "chart/position_derivations.h"
#include "chart/vargas.h"

namespace {

int sign_named(const char* text) {
  int sign = 0;
  while (std::strncmp(SignAbbrev[sign], text, 2) != 0) ++sign;
  return sign;
}

// The classical tables of equal parts: the sign of the first part of each
// sign, Aries to Pisces, and how many signs on each later part falls.
const std::tuple<int, const char*, int> equal_parts[] = {
    {1, "ArTaGeCnLeViLiScSgCpAqPi", 1},  {3, "ArTaGeCnLeViLiScSgCpAqPi", 4},
    {4, "ArTaGeCnLeViLiScSgCpAqPi", 3},  {7, "ArScGeCpLePiLiTaSgCnAqVi", 1},
    {9, "ArCpLiCnArCpLiCnArCpLiCn", 1},  {10, "ArCpGePiLeTaLiCnSgViAqSc", 1},
    {12, "ArTaGeCnLeViLiScSgCpAqPi", 1}, {16, "ArLeSgArLeSgArLeSgArLeSg", 1},
    {20, "ArSgLeArSgLeArSgLeArSgLe", 1}, {24, "LeCnLeCnLeCnLeCnLeCnLeCn", 1},
    {27, "ArCnLiCpArCnLiCpArCnLiCp", 1}, {40, "ArLiArLiArLiArLiArLiArLi", 1},
    {45, "ArLeSgArLeSgArLeSgArLeSg", 1}, {60, "ArTaGeCnLeViLiScSgCpAqPi", 1}};
// D30 by its lords: Mars 5 degrees, Saturn 5, Jupiter 8, Mercury 7, Venus 5,
// each its odd sign; even signs counted from their end, each its even sign.
const int lord_degrees[5] = {5, 5, 8, 7, 5};
const char* const lord_signs[5] = {"ArSc", "AqCp", "SgPi", "GeVi", "LiTa"};

int expected_sign(int p, int n) {
  const int s = p / 1800, minutes = p % 1800, even = s % 2;
  if (n == 2) return sign_named((s + minutes / 900) % 2 ? "Cn" : "Le");
  const int degrees = even ? 29 - minutes / 60 : minutes / 60;
  int lord = 0;
  for (int end = 5; end <= degrees; end += lord_degrees[++lord]) continue;
  if (n == 30) return sign_named(lord_signs[lord] + 2 * even);
  for (const auto& [division, first_parts, step] : equal_parts)
    if (division == n)
      return (sign_named(first_parts + 2 * s) + step * (minutes * n / 1800)) % 12;
  return -2;
}

// Every arc-minute, so every part's first minute and its neighbours.
TEST(VargaSign, EveryArcMinuteAsTheClassicalTablesHaveIt) {
  EXPECT_EQ(varga_of(5), nullptr);
  EXPECT_EQ(varga_sign(0, 5), -1);
  for (const Varga& varga : Vargas) {
    EXPECT_EQ(varga_of(varga.division), &varga);
    int wrong = 0, first = -1;
    for (int p = 0; p < 21600; ++p)
      if (varga_sign(p, varga.division) != expected_sign(p, varga.division) && !wrong++)
        first = p;
    EXPECT_EQ(wrong, 0) << "D" << varga.division << " first at " << first;
  }
}

// The diagram's degrees: the part's arc-minutes times n, also in D30.
TEST(VargaPosition, SignAndDegreesOfThePart) {
  const int rows[][4] = {{1799, 60, 11, 29}, {299, 30, 0, 29}, {300, 30, 10, 0},
                         {1347, 30, 2, 13},  {800, 9, 4, 0},   {21599, 2, 4, 29}};
  for (const auto& [p, n, sign, degrees] : rows) {
    EXPECT_EQ(sign_of(varga_position(p, n)), sign) << p << " D" << n;
    EXPECT_EQ(degrees_in_sign(varga_position(p, n)), degrees) << p << " D" << n;
  }
}

Chart chennai() {
  ChartInput input{};
  input.year = 1996, input.month = 12, input.day = 7, input.hour = 10, input.minute = 34;
  set_zone(input, {5, 30, true});
  set_longitude(input, nearest_minute_angle(-80.2785));
  set_latitude(input, nearest_minute_angle(13.0878));
  return chart_of(input);
}

TEST(VargaChart, RasiIsTheChartAndNavamshaItsNavamshaSigns) {
  const Chart chart = chennai();
  const Chart rasi = varga_chart(chart, 1), navamsha = varga_chart(chart, 9);
  for (int body = 0; body < body_count; ++body) {
    EXPECT_EQ(rasi.positions[body], chart.positions[body]);
    EXPECT_EQ(navamsha.bodies[body].sign, chart.bodies[body].navamsha - 1);
    EXPECT_EQ(navamsha.bodies[body].retrograde, chart.bodies[body].retrograde);
  }
  EXPECT_EQ(navamsha.dashas.end_day, chart.dashas.end_day);
  EXPECT_EQ(navamsha.dashas.first_step, chart.dashas.first_step);
}

}  // namespace
