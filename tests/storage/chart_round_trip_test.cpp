#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/chart_state.h"
#include "chart/compute_chart.h"
#include "storage/chart_line.h"
#include "storage/chart_rows.h"
#include "storage/chart_save.h"
#include "support/sample_charts.h"
#include "tests/storage/working_dir_fixture.h"

namespace {

class ChartRoundTripTest : public WorkingDirTest {};

TEST_F(ChartRoundTripTest, SaveAndReopenGivesTheSameInputsAndTheSameChart) {
  struct Saved {
    ChartStateRecord chart;
  };
  Saved saved[3];
  ChartState =
      chart_inputs("Test", 3, 5, 1990, 7, 5, 1, 5, 30, 77, 1, 13, 28, 0, 38, "Delhi");
  compute_chart();
  saved[0].chart = ChartState;
  ChartState = chart_inputs("Evening west", 12, 31, 1999, 23, 59, 0, 8, 0, 122, 0, 25, 37,
                            0, 47, "San Francisco");
  compute_chart();
  saved[1].chart = ChartState;
  ChartState = chart_inputs("Southern noon", 2, 29, 2000, 12, 0, 1, 10, 0, 151, 1, 12, 33,
                            1, 52, "Sydney");
  compute_chart();
  saved[2].chart = ChartState;

  for (const Saved& s : saved) {
    ChartLine line;
    write_chart_line(s.chart, line);
    ASSERT_TRUE(append_chart_line("charts.vnt", line));
  }

  for (int index = 0; index < 3; ++index) {
    const ChartStateRecord& expected = saved[index].chart;
    ChartState =
        chart_inputs("Other", 1, 1, 2010, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Elsewhere");
    compute_chart();
    ASSERT_EQ(load_chart_row("charts.vnt", index, ChartState), chart_read_ok);
    compute_chart();

    std::string name = expected.name;
    std::string place = expected.place;
    EXPECT_EQ(std::string(ChartState.name), name + std::string(23 - name.size(), ' '));
    EXPECT_EQ(std::string(ChartState.place), place + std::string(23 - place.size(), ' '));
    EXPECT_EQ(ChartState.month, expected.month);
    EXPECT_EQ(ChartState.day, expected.day);
    EXPECT_EQ(ChartState.year, expected.year);
    EXPECT_EQ(ChartState.hour, expected.hour);
    EXPECT_EQ(ChartState.minute, expected.minute);
    EXPECT_EQ(ChartState.zone_hours, expected.zone_hours);
    EXPECT_EQ(ChartState.zone_minutes, expected.zone_minutes);
    EXPECT_EQ(ChartState.zone_dir, expected.zone_dir);
    EXPECT_EQ(ChartState.zone_offset, expected.zone_offset);
    EXPECT_EQ(ChartState.lon_degrees, expected.lon_degrees);
    EXPECT_EQ(ChartState.lon_minutes, expected.lon_minutes);
    EXPECT_EQ(ChartState.lon_dir, expected.lon_dir);
    EXPECT_EQ(ChartState.longitude, expected.longitude);
    EXPECT_EQ(ChartState.lat_degrees, expected.lat_degrees);
    EXPECT_EQ(ChartState.lat_minutes, expected.lat_minutes);
    EXPECT_EQ(ChartState.lat_dir, expected.lat_dir);
    EXPECT_EQ(ChartState.latitude, expected.latitude);
    EXPECT_EQ(ChartState.julian_day, expected.julian_day);
    for (int i = 0; i < body_count; ++i) {
      EXPECT_EQ(ChartState.positions[i], expected.positions[i]) << index << " " << i;
      EXPECT_EQ(ChartState.speeds[i], expected.speeds[i]) << index << " " << i;
    }
  }
}

}  // namespace
