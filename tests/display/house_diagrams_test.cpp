#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/chart_state.h"
#include "display/north_chart.h"
#include "display/south_chart.h"
#include "support/recording_canvas.h"

namespace {

using Line = std::tuple<int, int, int, int>;

std::vector<Line> lines_of(const RecordingCanvas& canvas) {
  std::vector<Line> out;
  for (const DrawCall& call : canvas.lines())
    out.emplace_back(call.x1, call.y1, call.x2, call.y2);
  return out;
}

int at(int sign, int degrees, int minutes = 0) {
  return sign * 1800 + degrees * 60 + minutes;
}

// Ascendant in Cancer with three bodies beside it, two bodies sharing Leo,
// bodies at the very start and the very end of a sign, and a backward
// motion on every body.
void set_mixed_chart() {
  ChartState = {};
  ChartState.positions[ascendant_body] = at(3, 1, 40);
  ChartState.positions[sun_body] = at(3, 20, 10);
  ChartState.positions[moon_body] = at(4, 12, 0);
  ChartState.positions[mars_body] = at(2, 5, 40);
  ChartState.positions[mercury_body] = at(3, 8, 30);
  ChartState.positions[jupiter_body] = at(5, 0, 0);
  ChartState.positions[venus_body] = at(3, 29, 59);
  ChartState.positions[saturn_body] = at(7, 29, 59);
  ChartState.positions[rahu_body] = at(10, 14, 2);
  ChartState.positions[ketu_body] = at(4, 14, 2);
  for (int body = 0; body < body_count; ++body) ChartState.speeds[body] = -30;
  ChartState.speeds[moon_body] = 47000;
  ChartState.speeds[venus_body] = 3000;
}

// Nine bodies in Aries, Ketu opposite.
void set_crowded_chart() {
  ChartState = {};
  for (int body = 0; body < body_count; ++body) {
    ChartState.positions[body] = at(0, 3 * body, body);
    ChartState.speeds[body] = 100;
  }
  ChartState.positions[ketu_body] = at(6, 24, 8);
}

TEST(NorthChart, TenLinesInOrder) {
  ChartState = {};
  RecordingCanvas canvas;
  draw_north_chart(canvas, 8, 52);
  ASSERT_FALSE(canvas.calls.empty());
  EXPECT_EQ(canvas.calls.front().kind, DrawCall::Kind::black);
  std::vector<Line> expected = {
      {8, 52, 368, 52},     {8, 52, 8, 412},    {8, 412, 368, 412}, {368, 52, 368, 412},
      {8, 52, 367, 411},    {8, 411, 367, 52},  {188, 52, 8, 232},  {8, 232, 188, 411},
      {188, 411, 367, 232}, {188, 52, 367, 232}};
  EXPECT_EQ(lines_of(canvas), expected);
  // Colour first, then every line before any text.
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(canvas.calls[i].kind, DrawCall::Kind::line);
}

TEST(NorthChart, SignNumbersTurnWithAnAscendantInPisces) {
  ChartState = {};
  for (int body = 0; body < body_count; ++body) ChartState.positions[body] = at(11, 10);
  RecordingCanvas canvas;
  draw_north_chart(canvas, 8, 52);
  std::vector<Text> texts = texts_of(canvas);
  ASSERT_EQ(texts.size(), 21u);  // house 1 has nine slots: the tenth body gets none
  std::vector<Text> numbers(texts.begin(), texts.begin() + 12);
  std::vector<Text> expected = {{"12", 108, 148}, {"1", 26, 66},    {"2", 12, 82},
                                {"3", 26, 236},   {"4", 12, 262},   {"5", 26, 408},
                                {"6", 108, 328},  {"7", 206, 408},  {"8", 288, 328},
                                {"9", 206, 236},  {"10", 288, 148}, {"11", 206, 66}};
  EXPECT_EQ(numbers, expected);
}

TEST(NorthChart, BodiesByHouseThenBodyOrder) {
  set_mixed_chart();
  RecordingCanvas canvas;
  draw_north_chart(canvas, 8, 52);
  std::vector<Text> texts = texts_of(canvas);
  ASSERT_EQ(texts.size(), 22u);
  EXPECT_EQ(std::get<0>(texts[0]), "4");  // Cancer in house 1
  std::vector<Text> bodies(texts.begin() + 12, texts.end());
  std::vector<Text> expected = {
      // house 1, Cancer: ascendant first, then body order
      {"As 1", 172, 104},
      {"Su 20", 172, 116},
      {"MeR 8", 172, 128},
      {"Ve 29", 172, 140},
      // house 2, Leo: the Moon before Ketu, across the top row
      {"Mo 12", 44, 68},
      {"Ke 14", 84, 68},
      // house 3, Virgo: at the very start of the sign
      {"JuR 0", 12, 104},
      // house 5, Scorpio: last arc-minute of the sign
      {"SaR 29", 12, 284},
      // house 8, Aquarius: the nodes are never marked
      {"Ra 14", 248, 384},
      // house 12, Gemini
      {"MaR 5", 224, 68},
  };
  EXPECT_EQ(bodies, expected);
}

TEST(NorthChart, AscendantHouseHoldsNineSlots) {
  set_crowded_chart();
  RecordingCanvas canvas;
  draw_north_chart(canvas, 0, 0);
  std::vector<Text> texts = texts_of(canvas);
  ASSERT_EQ(texts.size(), 22u);
  const char* labels[] = {"As 0",  "Su 3",  "Mo 6",  "Ma 9", "Me 12",
                          "Ju 15", "Ve 18", "Sa 21", "Ra 24"};
  for (int slot = 0; slot < 9; ++slot)
    EXPECT_EQ(texts[12 + slot], Text(labels[slot], 164, 52 + 12 * slot)) << slot;
  EXPECT_EQ(texts[21], Text("Ke 24", 164, 232));  // house 7, first slot
}

TEST(NorthChart, FullSideHousesUseAllEightSlots) {
  ChartState = {};
  // Ascendant in Aries, eight bodies in Gemini (house 3), Ketu in Sagittarius.
  ChartState.positions[ascendant_body] = at(0, 1);
  for (int body = 1; body <= 8; ++body) ChartState.positions[body] = at(2, body);
  ChartState.positions[ketu_body] = at(8, 8);
  RecordingCanvas canvas;
  draw_north_chart(canvas, 8, 52);
  std::vector<Text> texts = texts_of(canvas);
  ASSERT_EQ(texts.size(), 22u);
  for (int slot = 0; slot < 8; ++slot) {
    EXPECT_EQ(std::get<1>(texts[13 + slot]), 12);
    EXPECT_EQ(std::get<2>(texts[13 + slot]), 52 + 40 + 12 * slot + 12);
  }

  // The same crowd in the top-right triangle: Gemini is house 12 of a
  // Cancer ascendant. Ketu, in house 6, comes before it.
  ChartState.positions[ascendant_body] = at(3, 1);
  ChartState.positions[ketu_body] = at(8, 8);
  canvas.calls.clear();
  draw_north_chart(canvas, 0, 0);
  texts = texts_of(canvas);
  ASSERT_EQ(texts.size(), 22u);
  EXPECT_EQ(std::get<0>(texts[13]), "Ke 8");
  std::vector<Text> top_right(texts.begin() + 14, texts.end());
  std::vector<Text> expected = {{"Su 1", 216, 16}, {"Mo 2", 256, 16}, {"Ma 3", 296, 16},
                                {"Me 4", 220, 28}, {"Ju 5", 260, 28}, {"Ve 6", 300, 28},
                                {"Sa 7", 240, 40}, {"Ra 8", 280, 40}};
  EXPECT_EQ(top_right, expected);
}

TEST(SouthChart, TwelveLinesInOrder) {
  ChartState = {};
  RecordingCanvas canvas;
  draw_south_chart(canvas, 8, 52);
  ASSERT_FALSE(canvas.calls.empty());
  EXPECT_EQ(canvas.calls.front().kind, DrawCall::Kind::black);
  std::vector<Line> expected = {
      {8, 52, 368, 52},     {8, 52, 8, 412},    {8, 412, 368, 412},
      {368, 52, 368, 412},  {98, 52, 98, 412},  {8, 142, 368, 142},
      {278, 52, 278, 412},  {8, 322, 368, 322}, {188, 52, 188, 142},
      {188, 322, 188, 412}, {8, 232, 98, 232},  {278, 232, 368, 232}};
  EXPECT_EQ(lines_of(canvas), expected);
  for (int i = 1; i <= 12; ++i) EXPECT_EQ(canvas.calls[i].kind, DrawCall::Kind::line);
}

TEST(SouthChart, BodiesBySignThenBodyOrder) {
  set_mixed_chart();
  RecordingCanvas canvas;
  draw_south_chart(canvas, 8, 52);
  std::vector<Text> expected = {
      // Gemini cell (270, 0)
      {"MaR 5", 282, 66},
      // Cancer cell (270, 90)
      {"As 1", 282, 156},
      {"Su 20", 282, 168},
      {"MeR 8", 282, 180},
      {"Ve 29", 282, 192},
      // Leo cell (270, 180)
      {"Mo 12", 282, 246},
      {"Ke 14", 282, 258},
      // Virgo cell (270, 270)
      {"JuR 0", 282, 336},
      // Scorpio cell (90, 270)
      {"SaR 29", 102, 336},
      // Aquarius cell (0, 90)
      {"Ra 14", 12, 156},
  };
  EXPECT_EQ(texts_of(canvas), expected);
}

TEST(SouthChart, NineBodiesFillBothColumnsOfACell) {
  set_crowded_chart();
  RecordingCanvas canvas;
  draw_south_chart(canvas, 8, 52);
  std::vector<Text> expected = {
      {"As 0", 102, 66},   {"Su 3", 102, 78},   {"Mo 6", 102, 90},  {"Ma 9", 102, 102},
      {"Me 12", 102, 114}, {"Ju 15", 146, 66},  {"Ve 18", 146, 78}, {"Sa 21", 146, 90},
      {"Ra 24", 146, 102}, {"Ke 24", 192, 336},  // Libra cell (180, 270)
  };
  EXPECT_EQ(texts_of(canvas), expected);
}

TEST(SouthChart, EverySignHasItsCell) {
  const Text first_slot[12] = {{"As 0", 102, 66},  {"As 0", 192, 66},  {"As 0", 282, 66},
                               {"As 0", 282, 156}, {"As 0", 282, 246}, {"As 0", 282, 336},
                               {"As 0", 192, 336}, {"As 0", 102, 336}, {"As 0", 12, 336},
                               {"As 0", 12, 246},  {"As 0", 12, 156},  {"As 0", 12, 66}};
  for (int sign = 0; sign < 12; ++sign) {
    ChartState = {};
    for (int body = 0; body < body_count; ++body)
      ChartState.positions[body] = at((sign + 1) % 12, 10);
    ChartState.positions[ascendant_body] = at(sign, 0);
    RecordingCanvas canvas;
    draw_south_chart(canvas, 8, 52);
    std::vector<Text> texts = texts_of(canvas);
    ASSERT_EQ(texts.size(), 10u);
    EXPECT_EQ(sign == 11 ? texts.back() : texts.front(), first_slot[sign]) << sign;
  }
}

TEST(HouseDiagrams, RetrogradeMarkOnlyOnMoonToSaturn) {
  ChartState = {};
  for (int body = 0; body < body_count; ++body) {
    ChartState.positions[body] = at(body, 7);
    ChartState.speeds[body] = -1;
  }
  const char* labels[] = {"As 7",  "Su 7",  "MoR 7", "MaR 7", "MeR 7",
                          "JuR 7", "VeR 7", "SaR 7", "Ra 7",  "Ke 7"};
  RecordingCanvas south;
  draw_south_chart(south, 8, 52);
  std::vector<Text> texts = texts_of(south);
  ASSERT_EQ(texts.size(), 10u);
  for (int body = 0; body < body_count; ++body)
    EXPECT_EQ(std::get<0>(texts[body]), labels[body]);

  RecordingCanvas north;
  draw_north_chart(north, 8, 52);
  texts = texts_of(north);
  ASSERT_EQ(texts.size(), 22u);
  for (int body = 0; body < body_count; ++body)
    EXPECT_EQ(std::get<0>(texts[12 + body]), labels[body]);

  // A speed of 0 is not backward.
  ChartState.speeds[mars_body] = 0;
  RecordingCanvas again;
  draw_south_chart(again, 8, 52);
  EXPECT_EQ(std::get<0>(texts_of(again)[mars_body]), "Ma 7");
}

}  // namespace
