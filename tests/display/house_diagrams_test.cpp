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

int at(int sign, int degrees, int minutes = 0) {
  return sign * 1800 + degrees * 60 + minutes;
}

// Ascendant in Cancer with three bodies beside it, two bodies sharing Leo,
// bodies at the very start and the very end of a sign, and a backward motion
// on every body but the Moon and Venus.
void set_mixed_chart() {
  ChartState = {};
  const int positions[body_count] = {
      at(3, 1, 40), at(3, 20, 10), at(4, 12),     at(2, 5, 40),  at(3, 8, 30),
      at(5, 0),     at(3, 29, 59), at(7, 29, 59), at(10, 14, 2), at(4, 14, 2)};
  for (int body = 0; body < body_count; ++body) {
    ChartState.positions[body] = positions[body];
    ChartState.speeds[body] = -30;
  }
  ChartState.speeds[moon_body] = 47000;
  ChartState.speeds[venus_body] = 3000;
}

// Black first, then every line before any text.
TEST(HouseDiagrams, LinesInOrder) {
  const std::vector<Line> north = {
      {8, 52, 368, 52},     {8, 52, 8, 412},    {8, 412, 368, 412}, {368, 52, 368, 412},
      {8, 52, 367, 411},    {8, 411, 367, 52},  {188, 52, 8, 232},  {8, 232, 188, 411},
      {188, 411, 367, 232}, {188, 52, 367, 232}};
  const std::vector<Line> south = {
      {8, 52, 368, 52},     {8, 52, 8, 412},    {8, 412, 368, 412},
      {368, 52, 368, 412},  {98, 52, 98, 412},  {8, 142, 368, 142},
      {278, 52, 278, 412},  {8, 322, 368, 322}, {188, 52, 188, 142},
      {188, 322, 188, 412}, {8, 232, 98, 232},  {278, 232, 368, 232}};
  for (bool is_north : {true, false}) {
    set_mixed_chart();
    RecordingCanvas canvas;
    (is_north ? draw_north_chart : draw_south_chart)(canvas, 8, 52);
    const std::vector<Line>& expected = is_north ? north : south;
    ASSERT_GT(canvas.calls.size(), expected.size());
    EXPECT_EQ(canvas.calls[0].kind, DrawCall::Kind::black);
    std::vector<Line> lines;
    for (std::size_t i = 1; i <= expected.size(); ++i) {
      const DrawCall& call = canvas.calls[i];
      EXPECT_EQ(call.kind, DrawCall::Kind::line) << i;
      lines.emplace_back(call.x1, call.y1, call.x2, call.y2);
    }
    EXPECT_EQ(lines, expected) << is_north;
    EXPECT_EQ(canvas.lines().size(), expected.size());
  }
}

TEST(NorthChart, SignNumbersTurnWithAnAscendantInPisces) {
  ChartState = {};
  for (int body = 0; body < body_count; ++body) ChartState.positions[body] = at(11, 10);
  RecordingCanvas canvas;
  draw_north_chart(canvas, 8, 52);
  const std::vector<Text> texts = texts_of(canvas);
  ASSERT_EQ(texts.size(), 21u);  // house 1 has nine slots: the tenth body gets none
  const std::vector<Text> expected = {
      {"12", 108, 148}, {"1", 26, 66},   {"2", 12, 82},    {"3", 26, 236},
      {"4", 12, 262},   {"5", 26, 408},  {"6", 108, 328},  {"7", 206, 408},
      {"8", 288, 328},  {"9", 206, 236}, {"10", 288, 148}, {"11", 206, 66}};
  EXPECT_EQ(std::vector<Text>(texts.begin(), texts.begin() + 12), expected);
}

// R only on the Moon to Saturn moving back, never on the nodes.
TEST(NorthChart, BodiesByHouseThenBodyOrder) {
  set_mixed_chart();
  RecordingCanvas canvas;
  draw_north_chart(canvas, 8, 52);
  const std::vector<Text> texts = texts_of(canvas);
  ASSERT_EQ(texts.size(), 22u);
  EXPECT_EQ(std::get<0>(texts[0]), "4");  // Cancer in house 1
  const std::vector<Text> expected = {
      {"As 1", 172, 104},  {"Su 20", 172, 116}, {"MeR 8", 172, 128},  // house 1
      {"Ve 29", 172, 140}, {"Mo 12", 44, 68},   {"Ke 14", 84, 68},    // house 2
      {"JuR 0", 12, 104},                                             // house 3
      {"SaR 29", 12, 284},                                            // house 5
      {"Ra 14", 248, 384},                                            // house 8
      {"MaR 5", 224, 68},                                             // house 12
  };
  EXPECT_EQ(std::vector<Text>(texts.begin() + 12, texts.end()), expected);
}

// Eight bodies in Gemini: house 3 of an Aries ascendant, a side triangle, and
// house 12 of a Cancer one, the top-right triangle, where Ketu in house 6
// comes before them.
TEST(NorthChart, FullSideHousesUseAllEightSlots) {
  ChartState = {};
  ChartState.positions[ascendant_body] = at(0, 1);
  for (int body = 1; body <= 8; ++body) ChartState.positions[body] = at(2, body);
  ChartState.positions[ketu_body] = at(8, 8);
  RecordingCanvas side;
  draw_north_chart(side, 8, 52);
  std::vector<Text> texts = texts_of(side);
  ASSERT_EQ(texts.size(), 22u);
  for (int slot = 0; slot < 8; ++slot)
    EXPECT_EQ(texts[13 + slot],
              Text(std::string(BodyAbbrev[slot + 1]) + " " + std::to_string(slot + 1), 12,
                   104 + 12 * slot));

  ChartState.positions[ascendant_body] = at(3, 1);
  RecordingCanvas top;
  draw_north_chart(top, 0, 0);
  texts = texts_of(top);
  ASSERT_EQ(texts.size(), 22u);
  EXPECT_EQ(std::get<0>(texts[13]), "Ke 8");
  const std::vector<Text> expected = {
      {"Su 1", 216, 16}, {"Mo 2", 256, 16}, {"Ma 3", 296, 16}, {"Me 4", 220, 28},
      {"Ju 5", 260, 28}, {"Ve 6", 300, 28}, {"Sa 7", 240, 40}, {"Ra 8", 280, 40}};
  EXPECT_EQ(std::vector<Text>(texts.begin() + 14, texts.end()), expected);
}

TEST(SouthChart, BodiesBySignThenBodyOrder) {
  set_mixed_chart();
  RecordingCanvas canvas;
  draw_south_chart(canvas, 8, 52);
  const std::vector<Text> expected = {
      {"MaR 5", 282, 66},                                              // Gemini
      {"As 1", 282, 156},   {"Su 20", 282, 168}, {"MeR 8", 282, 180},  // Cancer
      {"Ve 29", 282, 192},  {"Mo 12", 282, 246}, {"Ke 14", 282, 258},  // Leo
      {"JuR 0", 282, 336},                                             // Virgo
      {"SaR 29", 102, 336},                                            // Scorpio
      {"Ra 14", 12, 156},                                              // Aquarius
  };
  EXPECT_EQ(texts_of(canvas), expected);
}

// The ascendant alone in each sign in turn, the other bodies in the next one.
TEST(SouthChart, EverySignHasItsCell) {
  const int first_slot[12][2] = {{102, 66},  {192, 66},  {282, 66},  {282, 156},
                                 {282, 246}, {282, 336}, {192, 336}, {102, 336},
                                 {12, 336},  {12, 246},  {12, 156},  {12, 66}};
  for (int sign = 0; sign < 12; ++sign) {
    ChartState = {};
    for (int body = 0; body < body_count; ++body)
      ChartState.positions[body] = at((sign + 1) % 12, 10);
    ChartState.positions[ascendant_body] = at(sign, 0);
    RecordingCanvas canvas;
    draw_south_chart(canvas, 8, 52);
    const std::vector<Text> texts = texts_of(canvas);
    ASSERT_EQ(texts.size(), 10u);
    EXPECT_EQ(sign == 11 ? texts.back() : texts.front(),
              Text("As 0", first_slot[sign][0], first_slot[sign][1]))
        << sign;
  }
}

}  // namespace
