// A chart not computed yet holds ten bodies at 0 arc-minutes, one more than
// any sign's slots: the diagrams must stay within their slot tables.
#include <gtest/gtest.h>

#include "app/chart_state.h"
#include "display/north_chart.h"
#include "display/south_chart.h"
#include "support/recording_canvas.h"

namespace {

// Mended: the tenth body was placed at slot 9 of a nine-slot table.
TEST(CrowdedSign, SouthCellTakesNineBodies) {
  ChartState = {};
  RecordingCanvas canvas;
  draw_south_chart(canvas, 8, 52);
  const auto texts = canvas.texts();
  ASSERT_EQ(texts.size(), 9u);
  for (int slot = 0; slot < 9; ++slot) {
    EXPECT_EQ(texts[slot].x1, 8 + SouthCellOrigin[0].dx + SouthSlotOffset[slot].dx);
    EXPECT_EQ(texts[slot].y1, 52 + SouthCellOrigin[0].dy + SouthSlotOffset[slot].dy + 12);
  }
}

TEST(CrowdedSign, NorthFirstHouseTakesNineBodies) {
  ChartState = {};
  ChartState.chart_style = 1;
  RecordingCanvas canvas;
  draw_north_chart(canvas, 8, 52);
  const auto texts = canvas.texts();
  ASSERT_EQ(texts.size(), 12u + 9u);  // the house numbers come first
  for (int slot = 0; slot < 9; ++slot) {
    EXPECT_EQ(texts[12 + slot].x1, 8 + NorthBodyPos[0][slot].dx);
    EXPECT_EQ(texts[12 + slot].y1, 52 + NorthBodyPos[0][slot].dy + 12);
  }
}

}  // namespace
