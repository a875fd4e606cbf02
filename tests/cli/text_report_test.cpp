#include "cli/text_report.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/chart_state.h"
#include "display/chart_blocks.h"
#include "print_run.h"
#include "support/recording_canvas.h"
#include "support/sample_charts.h"

namespace {

// The dasha example's Moon (1000, julian_day 2451545.25); six bodies in
// Aries, so that a cell's second column is used, and four in Libra.
void set_chart(int style) {
  const int positions[body_count] = {12345, 0,    1000, 12000, 11000,
                                     800,   1799, 1500, 367,   11167};
  const int speeds[body_count] = {0, 0, 0, -1, 0, 0, 0, 0, 0, 0};
  set_drawn_chart("Known", positions, speeds, style);
  ChartState.lat_degrees = 51;
  ChartState.lat_minutes = 28;
}

std::vector<std::string> report_lines() {
  std::string report;
  append_text_report(report, std::nullopt);
  EXPECT_EQ(report.back(), '\n');
  return split_lines(report);
}

std::string trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

TEST(TextReport, EveryTextTheWindowDrawsIsThere) {
  for (int style : {0, 1}) {
    SCOPED_TRACE(style);
    set_chart(style);
    std::string report;
    append_text_report(report, std::nullopt);
    RecordingCanvas canvas;
    draw_chart_blocks(canvas);
    for (const DrawCall& text : canvas.texts())
      EXPECT_NE(report.find(trimmed(text.text)), std::string::npos) << text.text;
  }
}

// The South grid: 4 x 4 cells, Pisces top left, Aries next, running
// clockwise, the middle open; bodies in the window's slot order.
TEST(TextReport, SouthGridPicture) {
  set_chart(0);
  std::vector<std::string> lines = report_lines();
  // Libra: the ascendant first, then Mars (retrograde), Mercury and Ketu.
  const std::pair<int, const char*> rows[] = {
      {0, "+-Pi------------+-Ar------------+-Ta------------+-Ge------------+"},
      {1, "|               | Su 0   Ra 6   |               |               |"},
      {2, "|               | Mo 16         |               |               |"},
      {5, "|               | Sa 25         |               |               |"},
      {6, "+-Aq------------+---------------+---------------+-Cn------------+"},
      {7, "|               |                               |               |"},
      {12, "+-Cp------------+                               +-Le------------+"},
      {18, "+-Sg------------+-Sc------------+-Li------------+-Vi------------+"},
      {19, "|               |               | As 25         |               |"},
      {20, "|               |               | MaR 20        |               |"},
      {21, "|               |               | Me 3          |               |"},
      {22, "|               |               | Ke 6          |               |"},
      {24, "+---------------+---------------+---------------+---------------+"},
  };
  ASSERT_GT(lines.size(), 3u + 25u);
  for (const auto& [row, text] : rows) EXPECT_EQ(lines[3 + row], text) << row;
}

TEST(TextReport, NorthHouseList) {
  set_chart(1);
  std::vector<std::string> lines = report_lines();
  // The ascendant's sign, Libra (7), is house 1.
  EXPECT_EQ(lines[3], "House  1  Sign  7:  As 25  MaR 20  Me 3  Ke 6");
  EXPECT_EQ(lines[4], "House  2  Sign  8:");
  EXPECT_EQ(lines[9], "House  7  Sign  1:  Su 0  Mo 16  Ju 13  Ve 29  Sa 25  Ra 6");
  EXPECT_EQ(lines[10], "House  8  Sign  2:");
  EXPECT_EQ(lines[14], "House 12  Sign  6:");
}

// No blank line inside a chart (one separates charts) and no trailing blanks.
TEST(TextReport, HeaderTableNavamshaAndDashas) {
  set_chart(0);
  const std::vector<std::string> lines = report_lines();
  for (const std::string& line : lines) {
    EXPECT_FALSE(line.empty());
    EXPECT_NE(line.back(), ' ') << line;
  }
  const std::size_t table = 3 + 25;
  ASSERT_EQ(lines.size(), table + 9 + 3 + 8 * 4 + 1);
  const std::vector<std::string> expected = {
      "Known",
      "Jan 1, 2000 06:00 Zone: 00:00",
      "Greenwich   0W00 51N28",
  };
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 3), expected);
  const std::vector<std::string> below_the_grid = {
      "As  25Li45 Vishakha      Ju  13Ar20 Bharani",
      "Su   0Ar00 Aswini        Ve  29Ar59 Krittika",
      "Mo  16Ar40 Bharani       Sa  25Ar00 Bharani",
      "MaR 20Li00 Vishakha      Ra   6Ar07 Aswini",
      "Me   3Li20 Chitra        Ke   6Li07 Chitra",
      "Navamsha Signs:",
      "As:2  Su:1  Mo:6  Ma:1  Me:8  Ju:5  Ve:9  Sa:8  Ra:2  Ke:8",
      "Vimshottari Dashas",
      "------------------",
      "Ve/Mo Jan 01, 2000   Ve/Ma Dec 31, 2000   Ve/Ra Mar 02, 2002",
      "                     Ve/Ju Mar 02, 2005   Ve/Sa Nov 01, 2007",
      "                     Ve/Me Jan 01, 2011   Ve/Ke Oct 31, 2013",
      "Su/Su Jan 01, 2015   Su/Mo Apr 20, 2015   Su/Ma Oct 20, 2015",
      "                     Su/Ra Feb 25, 2016   Su/Ju Jan 18, 2017",
  };
  EXPECT_EQ(std::vector<std::string>(lines.begin() + table,
                                     lines.begin() + table + below_the_grid.size()),
            below_the_grid);
}

}  // namespace
