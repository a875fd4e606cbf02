// A chart not computed yet holds ten bodies at 0 arc-minutes, one more than
// any sign's slots: the diagrams must stay within their slot tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/chart_state.h"
#include "display/north_chart.h"
#include "display/south_chart.h"
#include "support/recording_canvas.h"

namespace {

const char* const Labels[] = {"As 0", "Su 0", "Mo 0", "Ma 0", "Me 0",
                              "Ju 0", "Ve 0", "Sa 0", "Ra 0"};

// Mended: the tenth body was placed at slot 9 of a nine-slot table. In the
// South the nine fill the Aries cell's two columns, five and four; in the North
// house 1's one column, after the house numbers.
TEST(CrowdedSign, NineBodiesTakeTheNineSlots) {
  ChartState = {};
  RecordingCanvas south, north;
  draw_south_chart(south, 8, 52);
  draw_north_chart(north, 8, 52);
  std::vector<Text> south_expected, north_expected;
  for (int slot = 0; slot < 9; ++slot) {
    south_expected.emplace_back(Labels[slot], slot < 5 ? 102 : 146, 66 + 12 * (slot % 5));
    north_expected.emplace_back(Labels[slot], 172, 104 + 12 * slot);
  }
  EXPECT_EQ(texts_of(south), south_expected);
  const std::vector<Text> north_texts = texts_of(north);
  ASSERT_EQ(north_texts.size(), 12u + 9u);
  EXPECT_EQ(std::vector<Text>(north_texts.begin() + 12, north_texts.end()),
            north_expected);
}

}  // namespace
