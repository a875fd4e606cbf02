#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/chart_state.h"
#include "chart/compute_chart.h"
#include "storage/chart_line.h"
#include "storage/chart_rows.h"
#include "storage/chart_save.h"
#include "tests/storage/working_dir_fixture.h"

namespace {

void set_inputs(const char* name, int month, int day, int year, int hour, int minute,
                int zone_dir, int zone_hours, int zone_minutes, int lon_degrees,
                int lon_dir, int lon_minutes, int lat_degrees, int lat_dir,
                int lat_minutes, const char* place) {
  ChartStateRecord& c = ChartState;
  std::memset(c.name, 0, sizeof c.name);
  std::memset(c.place, 0, sizeof c.place);
  std::strncpy(c.name, name, 23);
  std::strncpy(c.place, place, 23);
  c.month = month;
  c.day = day;
  c.year = year;
  c.hour = hour;
  c.minute = minute;
  c.zone_dir = zone_dir;
  c.zone_hours = zone_hours;
  c.zone_minutes = zone_minutes;
  c.zone_offset = zone_hours + zone_minutes / 60.0;
  if (zone_dir == 1) c.zone_offset = -c.zone_offset;
  c.lon_degrees = lon_degrees;
  c.lon_minutes = lon_minutes;
  c.lon_dir = lon_dir;
  c.longitude = lon_degrees + lon_minutes / 60.0;
  if (lon_dir == 1) c.longitude = -c.longitude;
  c.lat_degrees = lat_degrees;
  c.lat_minutes = lat_minutes;
  c.lat_dir = lat_dir;
  c.latitude = lat_degrees + lat_minutes / 60.0;
  if (lat_dir == 1) c.latitude = -c.latitude;
}

class ChartRoundTripTest : public WorkingDirTest {};

TEST_F(ChartRoundTripTest, SaveAndReopenGivesTheSameInputsAndTheSameChart) {
  struct Saved {
    ChartStateRecord chart;
  };
  Saved saved[3];
  set_inputs("Test", 3, 5, 1990, 7, 5, 1, 5, 30, 77, 1, 13, 28, 0, 38, "Delhi");
  compute_chart();
  saved[0].chart = ChartState;
  set_inputs("Evening west", 12, 31, 1999, 23, 59, 0, 8, 0, 122, 0, 25, 37, 0, 47,
             "San Francisco");
  compute_chart();
  saved[1].chart = ChartState;
  set_inputs("Southern noon", 2, 29, 2000, 12, 0, 1, 10, 0, 151, 1, 12, 33, 1, 52,
             "Sydney");
  compute_chart();
  saved[2].chart = ChartState;

  for (const Saved& s : saved) {
    ChartLine line;
    write_chart_line(s.chart, line);
    ASSERT_TRUE(append_chart_line("charts.vnt", line));
  }

  for (int index = 0; index < 3; ++index) {
    const ChartStateRecord& expected = saved[index].chart;
    set_inputs("Other", 1, 1, 2010, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Elsewhere");
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
