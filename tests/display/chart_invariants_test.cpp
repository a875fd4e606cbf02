#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "app/chart_state.h"
#include "chart/compute_chart.h"
#include "chart/vimshottari.h"
#include "display/chart_blocks.h"
#include "support/recording_canvas.h"

namespace {

constexpr int widget_width = 440;
constexpr int widget_height = 1008;
// Generous for Helvetica at size 11, to catch texts running off the widget.
constexpr int widest_glyph = 8;

int days_in(int month, int year) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

void set_random_inputs(std::mt19937& random) {
  auto pick = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  ChartState = {};
  std::strcpy(ChartState.name, "Random");
  std::strcpy(ChartState.place, "Anywhere");
  ChartState.year = pick(1600, 2400);
  ChartState.month = pick(1, 12);
  ChartState.day = pick(1, days_in(ChartState.month, ChartState.year));
  ChartState.hour = pick(0, 23);
  ChartState.minute = pick(0, 59);
  ChartState.zone_hours = pick(0, 12);
  ChartState.zone_minutes = pick(0, 59);
  ChartState.zone_dir = static_cast<std::uint8_t>(pick(0, 1));
  ChartState.zone_offset = ChartState.zone_hours + ChartState.zone_minutes / 60.0;
  if (ChartState.zone_dir) ChartState.zone_offset = -ChartState.zone_offset;
  ChartState.lon_degrees = pick(0, 179);
  ChartState.lon_minutes = pick(0, 59);
  ChartState.lon_dir = static_cast<std::uint8_t>(pick(0, 1));
  ChartState.longitude = ChartState.lon_degrees + ChartState.lon_minutes / 60.0;
  if (ChartState.lon_dir) ChartState.longitude = -ChartState.longitude;
  ChartState.lat_degrees = pick(0, 89);
  ChartState.lat_minutes = pick(0, 59);
  ChartState.lat_dir = static_cast<std::uint8_t>(pick(0, 1));
  ChartState.latitude = ChartState.lat_degrees + ChartState.lat_minutes / 60.0;
  if (ChartState.lat_dir) ChartState.latitude = -ChartState.latitude;
}

void expect_inside_widget(const RecordingCanvas& canvas) {
  for (const DrawCall& call : canvas.calls) {
    if (call.kind == DrawCall::Kind::text) {
      EXPECT_GE(call.x1, 0);
      EXPECT_GE(call.y1, 0);
      EXPECT_LE(call.x1 + widest_glyph * static_cast<int>(call.text.size()), widget_width)
          << call.text;
      EXPECT_LE(call.y1, widget_height) << call.text;
    } else if (call.kind == DrawCall::Kind::line) {
      for (int x : {call.x1, call.x2}) EXPECT_TRUE(x >= 0 && x < widget_width);
      for (int y : {call.y1, call.y2}) EXPECT_TRUE(y >= 0 && y < widget_height);
    }
  }
}

TEST(ChartInvariants, RandomChartsStayOnTheCircleAndInsideTheWidget) {
  std::mt19937 random(20240611);
  for (int chart = 0; chart < 300; ++chart) {
    set_random_inputs(random);
    compute_chart();
    SCOPED_TRACE(testing::Message()
                 << ChartState.year << "-" << ChartState.month << "-" << ChartState.day
                 << " " << ChartState.hour << ":" << ChartState.minute << " zone "
                 << ChartState.zone_offset);
    EXPECT_EQ(ChartState.speeds[0], 0);
    for (int body = 0; body < body_count; ++body) {
      EXPECT_GE(ChartState.positions[body], 0);
      EXPECT_LE(ChartState.positions[body], 21599);
    }

    DashaListing listing;
    list_dashas(listing, 8, 520);
    EXPECT_LE(listing.end_y, widget_height);
    EXPECT_LE(listing.entries[listing.entry_count - 1].y, 1004);

    for (int style : {0, 1}) {
      ChartState.chart_style = static_cast<std::uint8_t>(style);
      RecordingCanvas canvas;
      draw_chart_blocks(canvas);
      expect_inside_widget(canvas);
      if (HasFailure()) return;
    }
  }
}

}  // namespace
