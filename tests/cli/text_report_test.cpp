#include "cli/text_report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
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
  append_text_report(report);
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
    append_text_report(report);
    RecordingCanvas canvas;
    draw_chart_blocks(canvas);
    for (const DrawCall& text : canvas.texts())
      EXPECT_NE(report.find(trimmed(text.text)), std::string::npos) << text.text;
  }
}

TEST(TextReport, HeaderLines) {
  set_chart(0);
  std::vector<std::string> lines = report_lines();
  ASSERT_GT(lines.size(), 3u);
  EXPECT_EQ(lines[0], "Known");
  EXPECT_EQ(lines[1], "Jan 1, 2000 06:00 Zone: 00:00");
  EXPECT_EQ(lines[2], "Greenwich   0W00 51N28");
  for (const std::string& line : lines) {
    EXPECT_FALSE(line.empty()) << "a blank line would split the chart";
    EXPECT_NE(line.back(), ' ');
  }
}

// The South grid: 4 x 4 cells, Pisces top left, Aries next, running
// clockwise, the middle open; bodies in the window's slot order.
TEST(TextReport, SouthGridPicture) {
  set_chart(0);
  std::vector<std::string> lines = report_lines();
  const std::vector<std::string> grid(lines.begin() + 3, lines.begin() + 3 + 25);
  EXPECT_EQ(grid[0], "+-Pi------------+-Ar------------+-Ta------------+-Ge------------+");
  EXPECT_EQ(grid[1], "|               | Su 0   Ra 6   |               |               |");
  EXPECT_EQ(grid[2], "|               | Mo 16         |               |               |");
  EXPECT_EQ(grid[5], "|               | Sa 25         |               |               |");
  EXPECT_EQ(grid[6], "+-Aq------------+---------------+---------------+-Cn------------+");
  EXPECT_EQ(grid[7], "|               |                               |               |");
  EXPECT_EQ(grid[12],
            "+-Cp------------+                               +-Le------------+");
  EXPECT_EQ(grid[18],
            "+-Sg------------+-Sc------------+-Li------------+-Vi------------+");
  // Libra: the ascendant first, then Mars (retrograde), Mercury and Ketu.
  EXPECT_EQ(grid[19],
            "|               |               | As 25         |               |");
  EXPECT_EQ(grid[20],
            "|               |               | MaR 20        |               |");
  EXPECT_EQ(grid[21],
            "|               |               | Me 3          |               |");
  EXPECT_EQ(grid[22],
            "|               |               | Ke 6          |               |");
  EXPECT_EQ(grid[24],
            "+---------------+---------------+---------------+---------------+");
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

TEST(TextReport, TableNavamshaAndDashas) {
  set_chart(0);
  std::vector<std::string> lines = report_lines();
  std::size_t table = 3 + 25;
  EXPECT_EQ(lines[table], "As  25Li45 Vishakha      Ju  13Ar20 Bharani");
  EXPECT_EQ(lines[table + 3], "MaR 20Li00 Vishakha      Ra   6Ar07 Aswini");
  EXPECT_EQ(lines[table + 5], "Navamsha Signs:");
  EXPECT_EQ(lines[table + 6],
            "As:2  Su:1  Mo:6  Ma:1  Me:8  Ju:5  Ve:9  Sa:8  Ra:2  Ke:8");
  EXPECT_EQ(lines[table + 7], "Vimshottari Dashas");
  EXPECT_EQ(lines[table + 8], "------------------");
  EXPECT_EQ(lines[table + 9],
            "Ve/Mo Jan 01, 2000   Ve/Ma Dec 31, 2000   Ve/Ra Mar 02, 2002");
  EXPECT_EQ(lines[table + 10],
            "                     Ve/Ju Mar 02, 2005   Ve/Sa Nov 01, 2007");
  EXPECT_EQ(lines[table + 11],
            "                     Ve/Me Jan 01, 2011   Ve/Ke Oct 31, 2013");
  EXPECT_EQ(lines[table + 12],
            "Su/Su Jan 01, 2015   Su/Mo Apr 20, 2015   Su/Ma Oct 20, 2015");
  EXPECT_EQ(lines[table + 13],
            "                     Su/Ra Feb 25, 2016   Su/Ju Jan 18, 2017");
  // Three lines for the rest of Venus, then four for each of eight periods.
  EXPECT_EQ(lines.size(), table + 9 + 3 + 8 * 4);
}

}  // namespace
