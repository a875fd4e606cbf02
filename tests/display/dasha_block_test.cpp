#include "display/dasha_block.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/chart_state.h"
#include "chart/vimshottari.h"
#include "support/recording_canvas.h"

namespace {

void set_moon(int moon) {
  ChartState = {};
  ChartState.positions[moon_body] = moon;
  ChartState.julian_day = 2451545.25;
}

std::vector<Text> dasha_texts(int moon) {
  set_moon(moon);
  RecordingCanvas canvas;
  draw_dashas(canvas, 8, 520);
  return texts_of(canvas);
}

TEST(DashaBlock, MoonInBharaniAtJ2000Morning) {
  set_moon(1000);
  RecordingCanvas canvas;
  draw_dashas(canvas, 8, 520);
  // The title, one rule under it, and no colour of its own.
  ASSERT_GE(canvas.calls.size(), 2u);
  const DrawCall& rule = canvas.calls[1];
  EXPECT_EQ(std::make_tuple(rule.kind, rule.x1, rule.y1, rule.x2, rule.y2),
            std::make_tuple(DrawCall::Kind::line, 8, 534, 148, 534));
  EXPECT_EQ(canvas.texts().size() + 1, canvas.calls.size());

  const struct {
    const char* label;
    const char* date;
    int x, y;
  } entries[] = {
      {"Ve/Mo ", "Jan 01, 2000", 8, 552},   {"Ve/Ma ", "Dec 31, 2000", 138, 552},
      {"Ve/Ra ", "Mar 02, 2002", 268, 552}, {"Ve/Ju ", "Mar 02, 2005", 138, 564},
      {"Ve/Sa ", "Nov 01, 2007", 268, 564}, {"Ve/Me ", "Jan 01, 2011", 138, 576},
      {"Ve/Ke ", "Oct 31, 2013", 268, 576}, {"Su/Su ", "Jan 01, 2015", 8, 592},
      {"Su/Mo ", "Apr 20, 2015", 138, 592}, {"Su/Ma ", "Oct 20, 2015", 268, 592},
      {"Su/Ra ", "Feb 25, 2016", 138, 604}, {"Su/Ju ", "Jan 18, 2017", 268, 604},
  };
  std::vector<Text> expected{Text("Vimshottari Dashas", 8, 532)};
  for (const auto& e : entries) {
    expected.emplace_back(e.label, e.x, e.y);
    expected.emplace_back(e.date, e.x + 40, e.y);
  }
  const std::vector<Text> texts = texts_of(canvas);
  // Rest of the first block plus eight full major periods.
  ASSERT_EQ(texts.size(), 1 + 2 * (7 + 8 * 9u));
  EXPECT_EQ(std::vector<Text>(texts.begin(), texts.begin() + expected.size()), expected);
}

TEST(DashaBlock, MoonAtStartOfAswiniListsNineFullBlocks) {
  const std::vector<Text> texts = dasha_texts(0);
  ASSERT_EQ(texts.size(), 1 + 2 * 81u);
  EXPECT_EQ(texts[1], Text("Ke/Ke ", 8, 552));
  EXPECT_EQ(texts[2], Text("Jan 01, 2000", 48, 552));
  EXPECT_EQ(std::get<2>(texts.back()), 1004);
  EXPECT_EQ(texts[1 + 18 * 8], Text("Me/Me ", 8, 552 + 52 * 8));  // the ninth block
}

// A one-entry first block; the Venus block follows 12 pixels lower, 3.196 days on.
TEST(DashaBlock, LastArcMinuteOfAswiniGivesAOneEntryFirstBlock) {
  const std::vector<Text> texts = dasha_texts(799);
  ASSERT_GE(texts.size(), 5u);
  EXPECT_EQ(texts[1], Text("Ke/Me ", 8, 552));
  EXPECT_EQ(texts[2], Text("Jan 01, 2000", 48, 552));
  EXPECT_EQ(texts[3], Text("Ve/Ve ", 8, 564));
  EXPECT_EQ(texts[4], Text("Jan 04, 2000", 48, 564));
}

}  // namespace
