#include "display/chart_blocks.h"

#include <gtest/gtest.h>

#include <cstring>
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

std::vector<Call> calls_of(const RecordingCanvas& canvas) {
  std::vector<Call> out;
  for (const DrawCall& c : canvas.calls)
    out.emplace_back(static_cast<int>(c.kind), c.text, c.x1, c.y1, c.x2, c.y2);
  return out;
}

void append(std::vector<Call>& to, const RecordingCanvas& canvas) {
  std::vector<Call> calls = calls_of(canvas);
  to.insert(to.end(), calls.begin(), calls.end());
}

void set_chart(int style) {
  const int positions[body_count] = {15400, 16000, 12345, 3000, 17000,
                                     1500,  18500, 5900,  7000, 17800};
  const int speeds[body_count] = {0,   3661, 47000, -1200, -250,
                                  400, 4400, -60,   -190,  -190};
  set_drawn_chart("Test chart", positions, speeds, style);
  ChartState.lat_degrees = 51;
  ChartState.lat_minutes = 28;
}

// The blocks one by one at their origins, with the diagram in between.
std::vector<Call> blocks_in_order(bool north) {
  std::vector<Call> out;
  RecordingCanvas header, diagram, table, navamsha, dashas;
  draw_header(header, 8, 12);
  if (north)
    draw_north_chart(diagram, 8, 52);
  else
    draw_south_chart(diagram, 8, 52);
  draw_planet_table(table, 8, 420);
  draw_navamsha_list(navamsha, 8, 490);
  draw_dashas(dashas, 8, 520);
  for (const RecordingCanvas* c : {&header, &diagram, &table, &navamsha, &dashas})
    append(out, *c);
  return out;
}

TEST(ChartBlocks, SouthStyleDrawsTheFiveBlocksInOrder) {
  set_chart(0);
  RecordingCanvas canvas;
  draw_chart_blocks(canvas);
  EXPECT_EQ(calls_of(canvas), blocks_in_order(false));
}

TEST(ChartBlocks, NorthStyleDrawsTheFiveBlocksInOrder) {
  for (int style : {1, 2}) {
    set_chart(style);
    RecordingCanvas canvas;
    draw_chart_blocks(canvas);
    EXPECT_EQ(calls_of(canvas), blocks_in_order(true)) << style;
  }
}

TEST(ChartBlocks, SwitchingStyleChangesOnlyTheDiagram) {
  set_chart(0);
  RecordingCanvas south_canvas;
  draw_chart_blocks(south_canvas);
  RecordingCanvas south_diagram;
  draw_south_chart(south_diagram, 8, 52);

  ChartState.chart_style = 1;
  RecordingCanvas north_canvas;
  draw_chart_blocks(north_canvas);
  RecordingCanvas north_diagram;
  draw_north_chart(north_diagram, 8, 52);

  std::vector<Call> south = calls_of(south_canvas);
  std::vector<Call> north = calls_of(north_canvas);
  const std::size_t header = 4;  // colour and three lines
  const std::size_t south_size = south_diagram.calls.size();
  const std::size_t north_size = north_diagram.calls.size();
  ASSERT_EQ(south.size() - south_size, north.size() - north_size);

  std::vector<Call> south_head(south.begin(), south.begin() + header);
  std::vector<Call> north_head(north.begin(), north.begin() + header);
  EXPECT_EQ(south_head, north_head);
  std::vector<Call> south_tail(south.begin() + header + south_size, south.end());
  std::vector<Call> north_tail(north.begin() + header + north_size, north.end());
  EXPECT_EQ(south_tail, north_tail);
  EXPECT_NE(calls_of(south_diagram), calls_of(north_diagram));
}

TEST(ChartBlocks, BlackIsSelectedByHeaderAndDiagramOnly) {
  for (int style : {0, 1}) {
    set_chart(style);
    RecordingCanvas canvas;
    draw_chart_blocks(canvas);
    std::vector<std::size_t> black_at;
    for (std::size_t i = 0; i < canvas.calls.size(); ++i)
      if (canvas.calls[i].kind == DrawCall::Kind::black) black_at.push_back(i);
    EXPECT_EQ(black_at, (std::vector<std::size_t>{0, 4})) << style;
  }
}

}  // namespace
