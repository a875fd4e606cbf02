#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "app/chart_state.h"
#include "storage/chart_line.h"

// A chart's inputs as the Chart Data dialog stores them: the doubles follow
// the integer fields and their flags.
inline ChartStateRecord chart_inputs(const char* name, int month, int day, int year,
                                     int hour, int minute, int zone_dir, int zone_hours,
                                     int zone_minutes, int lon_degrees, int lon_dir,
                                     int lon_minutes, int lat_degrees, int lat_dir,
                                     int lat_minutes, const char* place) {
  ChartStateRecord chart{};
  std::strncpy(chart.name, name, 23);
  std::strncpy(chart.place, place, 23);
  chart.month = month;
  chart.day = day;
  chart.year = year;
  chart.hour = hour;
  chart.minute = minute;
  chart.zone_hours = zone_hours;
  chart.zone_minutes = zone_minutes;
  chart.zone_dir = static_cast<std::uint8_t>(zone_dir);
  chart.zone_offset = zone_hours + zone_minutes / 60.0;
  if (zone_dir == 1) chart.zone_offset = -chart.zone_offset;
  chart.lon_degrees = lon_degrees;
  chart.lon_minutes = lon_minutes;
  chart.lon_dir = static_cast<std::uint8_t>(lon_dir);
  chart.longitude = lon_degrees + lon_minutes / 60.0;
  if (lon_dir == 1) chart.longitude = -chart.longitude;
  chart.lat_degrees = lat_degrees;
  chart.lat_minutes = lat_minutes;
  chart.lat_dir = static_cast<std::uint8_t>(lat_dir);
  chart.latitude = lat_degrees + lat_minutes / 60.0;
  if (lat_dir == 1) chart.latitude = -chart.latitude;
  return chart;
}

// Test, 5 March 1990, 07:05, zone "-" 5:30, 77 E 13, 28 N 38, Delhi; another
// name and hour tell the charts of one file apart.
inline ChartStateRecord delhi_test_chart(const char* name = "Test", int hour = 7) {
  return chart_inputs(name, 3, 5, 1990, hour, 5, 1, 5, 30, 77, 1, 13, 28, 0, 38, "Delhi");
}

// The line Save writes for a chart, newline included.
inline std::string line_of(const ChartStateRecord& chart) {
  ChartLine line;
  write_chart_line(chart, line);
  return line.text;
}

inline std::string delhi_chart_line(const char* name, int hour = 7) {
  return line_of(delhi_test_chart(name, hour));
}

// A chart given by its results alone, for the drawing blocks: the dasha
// example's moment (julian_day 2451545.25) with the given bodies.
inline void set_drawn_chart(const char* name, const int (&positions)[body_count],
                            const int (&speeds)[body_count], int style) {
  ChartState = ChartStateRecord{};
  std::strncpy(ChartState.name, name, 23);
  std::strcpy(ChartState.date_line, "Jan 1, 2000 06:00 Zone: 00:00");
  std::strcpy(ChartState.place, "Greenwich");
  ChartState.julian_day = 2451545.25;
  ChartState.chart_style = static_cast<std::uint8_t>(style);
  for (int body = 0; body < body_count; ++body) {
    ChartState.positions[body] = positions[body];
    ChartState.speeds[body] = speeds[body];
  }
}
