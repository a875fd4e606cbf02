#include "display/header_block.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "app/chart_state.h"
#include "support/recording_canvas.h"

namespace {

void set_header(const char* name, const char* place) {
  ChartState = ChartStateRecord{};
  std::strcpy(ChartState.name, name);
  std::strcpy(ChartState.date_line, "Sat 03/07/09 14:05 +0000");
  std::strcpy(ChartState.place, place);
}

std::vector<Text> header_texts() {
  RecordingCanvas canvas;
  draw_header(canvas, 8, 12);
  EXPECT_EQ(canvas.calls.front().kind, DrawCall::Kind::black);
  return texts_of(canvas);
}

TEST(HeaderBlock, ThreeLinesFromTheFirstBaselineDown) {
  set_header("Prasna", "Nowhere");
  EXPECT_EQ(header_texts(), (std::vector<Text>{{"Prasna", 8, 12},
                                               {"Sat 03/07/09 14:05 +0000", 8, 26},
                                               {"Nowhere   0W00  0N00", 8, 40}}));
  // An empty name or place draws nothing of its own.
  set_header("", "");
  EXPECT_EQ(header_texts()[0], Text("", 8, 12));
  EXPECT_EQ(header_texts()[2], Text("   0W00  0N00", 8, 40));
}

TEST(HeaderBlock, PlaceLineShowsDirectionsAndAlignsDegrees) {
  const struct {
    int lon_degrees, lon_minutes, lon_dir, lat_degrees, lat_minutes, lat_dir;
    const char* line;
  } cases[] = {
      {77, 13, 1, 28, 38, 0, "Delhi  77E13 28N38"},
      {100, 5, 0, 3, 7, 1, "Delhi 100W05  3S07"},
      {179, 59, 1, 89, 59, 1, "Delhi 179E59 89S59"},
  };
  for (const auto& c : cases) {
    set_header("", "Delhi");
    ChartState.lon_degrees = c.lon_degrees;
    ChartState.lon_minutes = c.lon_minutes;
    ChartState.lon_dir = static_cast<std::uint8_t>(c.lon_dir);
    ChartState.lat_degrees = c.lat_degrees;
    ChartState.lat_minutes = c.lat_minutes;
    ChartState.lat_dir = static_cast<std::uint8_t>(c.lat_dir);
    EXPECT_EQ(std::get<0>(header_texts()[2]), c.line);
  }
}

TEST(HeaderBlock, PlaceLineFromOutOfRangeValuesStaysInsideItsArea) {
  set_header("", "");
  std::memset(ChartState.place, 'x', 31);
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
}

}  // namespace
