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

DashaListing listing_of(int moon) {
  set_moon(moon);
  DashaListing listing;
  list_dashas(listing, 8, 520);
  return listing;
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
  const DashaListing listing = listing_of(0);
  EXPECT_EQ(listing.end_y, 1008);
  EXPECT_NEAR(listing.entries[1].date - listing.entries[0].date, 149.14, 1e-6);
}

// A one-entry first block; the Venus block follows 12 pixels lower, 3.196 days on.
TEST(DashaBlock, LastArcMinuteOfAswiniGivesAOneEntryFirstBlock) {
  const std::vector<Text> texts = dasha_texts(799);
  ASSERT_GE(texts.size(), 5u);
  EXPECT_EQ(texts[1], Text("Ke/Me ", 8, 552));
  EXPECT_EQ(texts[2], Text("Jan 01, 2000", 48, 552));
  EXPECT_EQ(texts[3], Text("Ve/Ve ", 8, 564));
  EXPECT_EQ(texts[4], Text("Jan 04, 2000", 48, 564));
  const DashaListing listing = listing_of(799);
  ASSERT_EQ(listing.entry_count, 1 + 8 * 9);
  EXPECT_NEAR(listing.entries[1].date - 2451545.25, 2556.75 / 800, 1e-9);
}

TEST(DashaBlock, LastSubPeriodOfMercuryWrapsToKetu) {
  for (int moon : {7100, 21599}) {
    const DashaListing listing = listing_of(moon);
    ASSERT_GE(listing.entry_count, 3);
    EXPECT_STREQ(listing.entries[0].label, "Me/Sa ") << moon;
    EXPECT_STREQ(listing.entries[1].label, "Ke/Ke ") << moon;
    EXPECT_EQ(listing.entries[1].x, 8);
    EXPECT_EQ(listing.entries[1].y, 564);
    EXPECT_STREQ(listing.entries[2].label, "Ke/Ve ") << moon;
    EXPECT_NEAR(listing.entries[2].date - listing.entries[1].date, 149.14, 1e-6);
  }
}

// Lines and advance for 1 to 9 entries in the first block: the first column
// once, then pairs.
TEST(DashaBlock, FirstBlockHeightFollowsItsEntryCount) {
  const int advance[10] = {0, 12, 16, 16, 28, 28, 40, 40, 52, 52};
  bool seen[10] = {};
  for (int moon = 0; moon < 800; ++moon) {
    const DashaListing listing = listing_of(moon);
    const int entries = dasha_lord_count - running_bhukti(moon).index;
    seen[entries] = true;
    ASSERT_EQ(listing.entry_count, entries + 72) << moon;
    EXPECT_EQ(listing.entries[entries].x, 8) << moon;
    EXPECT_EQ(listing.entries[entries].y, 552 + advance[entries]) << moon;
    for (int i = 1; i < entries; ++i)
      EXPECT_EQ(listing.entries[i].x, i % 2 ? 138 : 268) << moon << " " << i;
    EXPECT_EQ(listing.end_y, 540 + advance[entries] + 8 * 52) << moon;
  }
  for (int entries = 1; entries <= 9; ++entries) EXPECT_TRUE(seen[entries]) << entries;
}

}  // namespace
