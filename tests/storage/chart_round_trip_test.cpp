#include <gtest/gtest.h>

#include <cstring>

#include "app/chart_state.h"
#include "chart/compute_chart.h"
#include "storage/chart_line.h"
#include "storage/chart_rows.h"
#include "storage/chart_save.h"
#include "support/sample_charts.h"
#include "tests/storage/line_helpers.h"
#include "tests/storage/working_dir_fixture.h"

namespace {

class ChartRoundTripTest : public WorkingDirTest {};

TEST_F(ChartRoundTripTest, SaveAndReopenGivesTheSameInputsAndTheSameChart) {
  ChartStateRecord saved[] = {delhi_test_chart(),
                              chart_inputs("Evening west", 12, 31, 1999, 23, 59, 0, 8, 0,
                                           122, 0, 25, 37, 0, 47, "San Francisco"),
                              chart_inputs("Southern noon", 2, 29, 2000, 12, 0, 1, 10, 0,
                                           151, 1, 12, 33, 1, 52, "Sydney")};
  for (ChartStateRecord& chart : saved) {
    ChartState = chart;
    compute_chart();
    chart = ChartState;
    ChartLine line;
    write_chart_line(chart, line);
    ASSERT_TRUE(append_chart_line("charts.vnt", line));
  }

  for (int index = 0; index < 3; ++index) {
    SCOPED_TRACE(index);
    const ChartStateRecord& expected = saved[index];
    ChartState =
        chart_inputs("Other", 1, 1, 2010, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Elsewhere");
    compute_chart();
    ASSERT_EQ(load_chart_row("charts.vnt", index, ChartState), chart_read_ok);
    compute_chart();
    EXPECT_EQ(inputs_of(ChartState), read_back_inputs(expected));
    EXPECT_EQ(ChartState.julian_day, expected.julian_day);
    EXPECT_EQ(
        std::memcmp(ChartState.positions, expected.positions, sizeof expected.positions),
        0);
    EXPECT_EQ(std::memcmp(ChartState.speeds, expected.speeds, sizeof expected.speeds), 0);
  }
}

}  // namespace
