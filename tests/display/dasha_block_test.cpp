#include "display/dasha_block.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/chart_state.h"
#include "chart/vimshottari.h"
#include "support/recording_canvas.h"

namespace {

void set_moon(int position, double julian_day) {
  ChartState = {};
  ChartState.positions[moon_body] = position;
  ChartState.julian_day = julian_day;
}

// Label and date of one entry as drawn.
void add_entry(std::vector<Text>& texts, const char* label, const char* date, int x,
               int y) {
  texts.emplace_back(label, x, y);
  texts.emplace_back(date, x + 40, y);
}

TEST(DashaBlock, MoonInBharaniAtJ2000Morning) {
  set_moon(1000, 2451545.25);
  RecordingCanvas canvas;
  draw_dashas(canvas, 8, 520);

  ASSERT_GE(canvas.calls.size(), 2u);
  const DrawCall& title = canvas.calls[0];
  EXPECT_EQ(title.kind, DrawCall::Kind::text);
  EXPECT_EQ(Text(title.text, title.x1, title.y1), Text("Vimshottari Dashas", 8, 532));
  const DrawCall& rule = canvas.calls[1];
  EXPECT_EQ(rule.kind, DrawCall::Kind::line);
  EXPECT_EQ(std::make_tuple(rule.x1, rule.y1, rule.x2, rule.y2),
            std::make_tuple(8, 534, 148, 534));
  EXPECT_EQ(canvas.lines().size(), 1u);
  for (const DrawCall& call : canvas.calls) EXPECT_NE(call.kind, DrawCall::Kind::black);

  std::vector<Text> expected;
  add_entry(expected, "Ve/Mo ", "Jan 01, 2000", 8, 552);
  add_entry(expected, "Ve/Ma ", "Dec 31, 2000", 138, 552);
  add_entry(expected, "Ve/Ra ", "Mar 02, 2002", 268, 552);
  add_entry(expected, "Ve/Ju ", "Mar 02, 2005", 138, 564);
  add_entry(expected, "Ve/Sa ", "Nov 01, 2007", 268, 564);
  add_entry(expected, "Ve/Me ", "Jan 01, 2011", 138, 576);
  add_entry(expected, "Ve/Ke ", "Oct 31, 2013", 268, 576);
  add_entry(expected, "Su/Su ", "Jan 01, 2015", 8, 592);
  add_entry(expected, "Su/Mo ", "Apr 20, 2015", 138, 592);
  add_entry(expected, "Su/Ma ", "Oct 20, 2015", 268, 592);
  add_entry(expected, "Su/Ra ", "Feb 25, 2016", 138, 604);
  add_entry(expected, "Su/Ju ", "Jan 18, 2017", 268, 604);

  std::vector<Text> texts = texts_of(canvas);
  ASSERT_GE(texts.size(), 1 + expected.size());
  std::vector<Text> first(texts.begin() + 1, texts.begin() + 1 + expected.size());
  EXPECT_EQ(first, expected);
  // Rest of the first block plus eight full major periods.
  EXPECT_EQ(texts.size(), 1 + 2 * (7 + 8 * 9u));
}

TEST(DashaBlock, MoonAtStartOfAswiniListsNineFullBlocks) {
  set_moon(0, 2451545.25);
  RecordingCanvas canvas;
  draw_dashas(canvas, 8, 520);
  std::vector<Text> texts = texts_of(canvas);
  ASSERT_EQ(texts.size(), 1 + 2 * 81u);
  EXPECT_EQ(texts[1], Text("Ke/Ke ", 8, 552));
  EXPECT_EQ(texts[2], Text("Jan 01, 2000", 48, 552));
  EXPECT_EQ(std::get<2>(texts.back()), 1004);

  const char* firsts[] = {"Ke/Ke ", "Ve/Ve ", "Su/Su ", "Mo/Mo ", "Ma/Ma ",
                          "Ra/Ra ", "Ju/Ju ", "Sa/Sa ", "Me/Me "};
  for (int block = 0; block < 9; ++block) {
    const Text& label = texts[1 + 18 * block];
    EXPECT_EQ(label, Text(firsts[block], 8, 552 + 52 * block)) << block;
  }

  DashaListing listing;
  list_dashas(listing, 8, 520);
  EXPECT_EQ(listing.end_y, 1008);
  EXPECT_NEAR(listing.entries[1].date - listing.entries[0].date, 149.14, 1e-6);
}

TEST(DashaBlock, LastArcMinuteOfAswiniGivesAOneEntryFirstBlock) {
  set_moon(799, 2451545.25);
  RecordingCanvas canvas;
  draw_dashas(canvas, 8, 520);
  std::vector<Text> texts = texts_of(canvas);
  ASSERT_GE(texts.size(), 5u);
  EXPECT_EQ(texts[1], Text("Ke/Me ", 8, 552));
  EXPECT_EQ(texts[2], Text("Jan 01, 2000", 48, 552));
  EXPECT_EQ(texts[3], Text("Ve/Ve ", 8, 564));
  EXPECT_EQ(texts[4], Text("Jan 04, 2000", 48, 564));

  DashaListing listing;
  list_dashas(listing, 8, 520);
  ASSERT_EQ(listing.entry_count, 1 + 8 * 9);
  EXPECT_NEAR(listing.entries[1].date - 2451545.25, 2556.75 / 800, 1e-9);
  EXPECT_EQ(listing.end_y, 540 + 12 + 8 * 52);
}

TEST(DashaBlock, LastSubPeriodOfMercuryWrapsToKetu) {
  for (int moon : {7100, 21599}) {
    set_moon(moon, 2451545.25);
    DashaListing listing;
    list_dashas(listing, 8, 520);
    ASSERT_GE(listing.entry_count, 3);
    EXPECT_STREQ(listing.entries[0].label, "Me/Sa ") << moon;
    EXPECT_STREQ(listing.entries[1].label, "Ke/Ke ") << moon;
    EXPECT_EQ(listing.entries[1].x, 8);
    EXPECT_EQ(listing.entries[1].y, 564);
    EXPECT_STREQ(listing.entries[2].label, "Ke/Ve ") << moon;
    EXPECT_NEAR(listing.entries[2].date - listing.entries[1].date, 149.14, 1e-6);
  }
}

TEST(DashaBlock, FirstBlockHeightFollowsItsEntryCount) {
  // Lines and advance for 1 to 9 entries in the first block.
  const int advance[10] = {0, 12, 16, 16, 28, 28, 40, 40, 52, 52};
  bool seen[10] = {};
  for (int moon = 0; moon < 800; ++moon) {
    set_moon(moon, 2451545.25);
    DashaListing listing;
    list_dashas(listing, 8, 520);
    int entries = dasha_lord_count - running_bhukti(moon).index;
    seen[entries] = true;
    ASSERT_EQ(listing.entry_count, entries + 72) << moon;
    const DashaEntry& second_block = listing.entries[entries];
    EXPECT_EQ(second_block.x, 8) << moon;
    EXPECT_EQ(second_block.y, 552 + advance[entries]) << moon;
    // The first block's entries take the first column once, then pairs.
    for (int i = 1; i < entries; ++i)
      EXPECT_EQ(listing.entries[i].x, i % 2 ? 138 : 268) << moon << " " << i;
    EXPECT_EQ(listing.end_y, 540 + advance[entries] + 8 * 52) << moon;
  }
  for (int entries = 1; entries <= 9; ++entries) EXPECT_TRUE(seen[entries]) << entries;
}

}  // namespace
