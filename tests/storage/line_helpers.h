#pragma once

#include <cstring>
#include <string>
#include <tuple>

#include "app/chart_state.h"

// A name or place as its 23 columns of a chart line give it back.
inline std::string padded(const char* text) {
  return text + std::string(23 - std::strlen(text), ' ');
}

// A line with text written over it from a column on, as a hand edit does.
inline std::string edited(std::string line, int column, const std::string& text) {
  return line.replace(column, text.size(), text);
}

// The inputs of a chart as one value, so that a failure shows them all.
inline auto inputs_of(const ChartStateRecord& c) {
  return std::make_tuple(std::string(c.name), std::string(c.place), c.month, c.day,
                         c.year, c.hour, c.minute, c.zone_hours, c.zone_minutes,
                         int{c.zone_dir}, c.zone_offset, c.lon_degrees, c.lon_minutes,
                         int{c.lon_dir}, c.longitude, c.lat_degrees, c.lat_minutes,
                         int{c.lat_dir}, c.latitude);
}

// The inputs that the saved line of a chart gives back: the flag of a zero
// value comes from its "+", "W" or "N".
inline auto read_back_inputs(ChartStateRecord chart) {
  std::strcpy(chart.name, padded(chart.name).c_str());
  std::strcpy(chart.place, padded(chart.place).c_str());
  if (chart.zone_offset == 0) chart.zone_dir = 0;
  if (chart.longitude == 0) chart.lon_dir = 0;
  if (chart.latitude == 0) chart.lat_dir = 0;
  return inputs_of(chart);
}
