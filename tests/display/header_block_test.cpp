#include "display/header_block.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "app/chart_state.h"
#include "support/recording_canvas.h"

namespace {

class HeaderBlockTest : public testing::Test {
 protected:
  void SetUp() override {
    ChartState = ChartStateRecord{};
    std::strcpy(ChartState.name, "Prasna");
    std::strcpy(ChartState.date_line, "Sat 03/07/09 14:05 +0000");
    std::strcpy(ChartState.place, "Nowhere");
  }

  std::vector<DrawCall> draw() {
    RecordingCanvas canvas;
    draw_header(canvas, 8, 12);
    EXPECT_EQ(canvas.calls.front().kind, DrawCall::Kind::black);
    return canvas.texts();
  }
};

TEST_F(HeaderBlockTest, DrawsThreeLinesFromTheFirstBaselineDown) {
  auto texts = draw();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "Prasna");
  EXPECT_EQ(texts[1].text, "Sat 03/07/09 14:05 +0000");
  EXPECT_EQ(texts[2].text, "Nowhere   0W00  0N00");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(texts[i].x1, 8);
    EXPECT_EQ(texts[i].y1, 12 + 14 * i);
  }
}

TEST_F(HeaderBlockTest, PlaceLineShowsDirectionsAndAlignsDegrees) {
  struct Case {
    int lon_degrees, lon_minutes, lon_dir, lat_degrees, lat_minutes, lat_dir;
    const char* line;
  };
  const Case cases[] = {
      {77, 13, 1, 28, 38, 0, "Delhi  77E13 28N38"},
      {100, 5, 0, 3, 7, 1, "Delhi 100W05  3S07"},
      {179, 59, 1, 89, 59, 1, "Delhi 179E59 89S59"},
      {0, 0, 1, 0, 0, 1, "Delhi   0E00  0S00"},
  };
  std::strcpy(ChartState.place, "Delhi");
  for (const Case& c : cases) {
    ChartState.lon_degrees = c.lon_degrees;
    ChartState.lon_minutes = c.lon_minutes;
    ChartState.lon_dir = c.lon_dir;
    ChartState.lat_degrees = c.lat_degrees;
    ChartState.lat_minutes = c.lat_minutes;
    ChartState.lat_dir = c.lat_dir;
    EXPECT_EQ(draw()[2].text, c.line);
  }
}

TEST_F(HeaderBlockTest, EmptyNameAndPlaceDrawNothingOfTheirOwn) {
  ChartState.name[0] = '\0';
  ChartState.place[0] = '\0';
  auto texts = draw();
  EXPECT_EQ(texts[0].text, "");
  EXPECT_EQ(texts[2].text, "   0W00  0N00");
}

TEST_F(HeaderBlockTest, PlaceLineFromOutOfRangeValuesStaysInsideItsArea) {
  std::memset(ChartState.place, 'x', 31);
  ChartState.place[31] = '\0';
  ChartState.lon_degrees = INT_MIN;
  ChartState.lon_minutes = INT_MAX;
  ChartState.lat_degrees = INT_MIN;
  ChartState.lat_minutes = INT_MIN;

  // Guard bytes around the area show any write past its end.
  struct {
    char line[place_line_size];
    char guard[16];
  } area;
  std::memset(area.guard, '#', sizeof area.guard);
  EXPECT_FALSE(format_place_line(area.line));
  EXPECT_EQ(std::strlen(area.line), place_line_size - 1);
  EXPECT_EQ(std::string(area.guard, sizeof area.guard), std::string(16, '#'));

  ChartState.place[0] = '\0';
  ChartState.lon_degrees = 77;
  ChartState.lon_minutes = 13;
  ChartState.lat_degrees = 28;
  ChartState.lat_minutes = 38;
  EXPECT_TRUE(format_place_line(area.line));
}

}  // namespace
