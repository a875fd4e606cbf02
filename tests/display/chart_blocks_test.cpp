#include "display/chart_blocks.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/chart_state.h"
#include "display/dasha_block.h"
#include "display/header_block.h"
#include "display/navamsha_list.h"
#include "display/north_chart.h"
#include "display/planet_table.h"
#include "display/south_chart.h"
#include "support/recording_canvas.h"
#include "support/sample_charts.h"

namespace {

using Call = std::tuple<int, std::string, int, int, int, int>;

void append_calls(std::vector<Call>& to, const RecordingCanvas& canvas) {
  for (const DrawCall& c : canvas.calls)
    to.emplace_back(static_cast<int>(c.kind), c.text, c.x1, c.y1, c.x2, c.y2);
}

// Any nonzero style is the North diagram; the style changes nothing else.
TEST(ChartBlocks, TheFiveBlocksInOrderAtTheirOrigins) {
  const int positions[body_count] = {15400, 16000, 12345, 3000, 17000,
                                     1500,  18500, 5900,  7000, 17800};
  const int speeds[body_count] = {0,   3661, 47000, -1200, -250,
                                  400, 4400, -60,   -190,  -190};
  for (int style : {0, 1, 2}) {
    set_drawn_chart("Test chart", positions, speeds, style);
    ChartState.lat_degrees = 51;
    RecordingCanvas header, diagram, table, navamsha, dashas, whole;
    draw_header(header, 8, 12);
    if (style)
      draw_north_chart(diagram, 8, 52);
    else
      draw_south_chart(diagram, 8, 52);
    draw_planet_table(table, 8, 420);
    draw_navamsha_list(navamsha, 8, 490);
    draw_dashas(dashas, 8, 520);
    std::vector<Call> expected, drawn;
    for (const RecordingCanvas* c : {&header, &diagram, &table, &navamsha, &dashas})
      append_calls(expected, *c);
    draw_chart_blocks(whole);
    append_calls(drawn, whole);
    EXPECT_EQ(drawn, expected) << style;
  }
}

}  // namespace
