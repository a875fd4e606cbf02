// A thousand random charts of the dialog's range, computed and drawn: every
// position on the circle, every text and line inside the widget, the dasha
// listing within its height, and every text whole in its area.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "app/chart_state.h"
#include "chart/compute_chart.h"
#include "chart/vimshottari.h"
#include "dialogs/chart_data_entries.h"
#include "display/chart_blocks.h"
#include "display/header_block.h"
#include "support/random_chart.h"
#include "support/recording_canvas.h"

namespace {

constexpr int widget_width = 440;
constexpr int widget_height = 1008;
// Generous for Helvetica at size 11, to catch texts running off the widget.
constexpr int widest_glyph = 8;

template <std::size_t N>
bool is_one_of(const char* const (&table)[N], const std::string& text) {
  for (const char* entry : table)
    if (text == entry) return true;
  return false;
}

// "Mar 05, 1990" in full: a cut text would lose its year's digits.
bool is_whole_date(const std::string& date) {
  if (date.size() != 12 || !is_one_of(MonthAbbrev, date.substr(0, 3)) ||
      date.compare(3, 1, " ") != 0 || date.compare(6, 2, ", ") != 0)
    return false;
  for (int i : {4, 5, 8, 9, 10, 11})
    if (date[i] < '0' || date[i] > '9') return false;
  // A chart early on 1 January 1600 in a zone ahead of Universal Time starts
  // on the last day of 1599.
  const int year = std::stoi(date.substr(8));
  return year >= 1599 && year <= 2400 + 121;
}

void expect_inside_widget(const RecordingCanvas& canvas) {
  for (const DrawCall& call : canvas.calls) {
    if (call.kind == DrawCall::Kind::text) {
      EXPECT_TRUE(call.x1 >= 0 && call.y1 >= 0 && call.y1 <= widget_height &&
                  call.x1 + widest_glyph * static_cast<int>(call.text.size()) <=
                      widget_width)
          << call.text << " at " << call.x1 << ", " << call.y1;
    } else if (call.kind == DrawCall::Kind::line) {
      for (int x : {call.x1, call.x2}) EXPECT_TRUE(x >= 0 && x < widget_width) << x;
      for (int y : {call.y1, call.y2}) EXPECT_TRUE(y >= 0 && y < widget_height) << y;
    }
  }
}

TEST(ChartSoak, RandomChartsComputeAndDrawWithinTheirBounds) {
  std::mt19937 random(1008);
  for (int chart = 0; chart < 1000; ++chart) {
    const ChartDataEntries entries = random_chart_entries(random);
    ASSERT_EQ(check_chart_data(entries), nullptr);
    ChartState = {};
    store_chart_data(entries);
    compute_chart();
    SCOPED_TRACE(testing::Message() << "chart " << chart << ": " << ChartState.date_line);

    for (int body = 0; body < body_count; ++body)
      EXPECT_TRUE(ChartState.positions[body] >= 0 && ChartState.positions[body] <= 21599);
    EXPECT_EQ(ChartState.speeds[ascendant_body], 0);
    // The nodes stand opposite, give or take the truncation of each.
    const int apart =
        (ChartState.positions[ketu_body] - ChartState.positions[rahu_body] + 21600) %
        21600;
    EXPECT_TRUE(apart >= 10799 && apart <= 10801) << apart;

    char place_line[place_line_size];
    EXPECT_TRUE(format_place_line(place_line));
    EXPECT_LE(std::strlen(ChartState.name), 23u);
    EXPECT_LE(std::strlen(ChartState.place), 23u);
    EXPECT_LT(std::strlen(ChartState.date_line), sizeof ChartState.date_line - 1);

    DashaListing listing;
    list_dashas(listing, 8, 520);
    EXPECT_LE(listing.end_y, widget_height);
    ASSERT_GE(listing.entry_count, 73);
    ASSERT_LE(listing.entry_count, dasha_entry_capacity);
    EXPECT_LE(listing.entries[listing.entry_count - 1].y, 1004);
    for (int i = 0; i < listing.entry_count; ++i) {
      const std::string label = listing.entries[i].label;
      EXPECT_TRUE(label.size() == 6 && is_one_of(DashaLords, label.substr(0, 2)) &&
                  label[2] == '/' && is_one_of(DashaLords, label.substr(3, 2)) &&
                  label[5] == ' ')
          << label;
      EXPECT_TRUE(is_whole_date(listing.entries[i].date_text))
          << listing.entries[i].date_text;
    }

    for (std::uint8_t style : {std::uint8_t{0}, std::uint8_t{1}}) {
      ChartState.chart_style = style;
      RecordingCanvas canvas;
      draw_chart_blocks(canvas);
      // Header 3, every body in the diagram (and the North's 12 house numbers),
      // table 30, navamsha 11, the dasha title and two texts per entry.
      const std::size_t texts =
          3 + 10 + (style ? 12 : 0) + 30 + 11 + 1 + 2 * listing.entry_count;
      EXPECT_EQ(canvas.texts().size(), texts);
      expect_inside_widget(canvas);
    }
    if (HasFailure()) return;
  }
}

}  // namespace
