#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/chart_input.h"

// The bytes of a name or place that the chart keeps.
constexpr std::size_t stored_text_bytes = 23;

// What the Chart Data dialog holds: the texts of its text and integer fields
// and the selected item of each choice, counted from 0.
struct ChartDataEntries {
  std::string name;
  int month_index = 0;  // month - 1
  std::string day;
  std::string year;
  std::string hour;
  std::string minute;
  int zone_sign_index = 0;  // 1 for "-"
  std::string zone_hours;
  std::string zone_minutes;
  std::string place;
  std::string lon_degrees;
  int lon_dir_index = 0;  // 1 for "E"
  std::string lon_minutes;
  std::string lat_degrees;
  int lat_dir_index = 0;  // 1 for "S"
  std::string lat_minutes;
};

// An integer field's value as strtol reads it in base 10: a leading zero, as
// in "08", is no octal prefix. A text beyond the range of an int reads as its
// nearest end, so it fails every range check instead of wrapping into an
// accepted value.
std::int32_t read_integer_field(const std::string& text);

// Copies a name or place, cut at a whole character to the bytes kept.
void store_text(char (&field)[32], const std::string& text);

// The entries as a chart's inputs: the integer fields read, name and place
// stored, the sides taken from the choices with their signed values. Checks
// nothing and leaves date_line empty.
ChartInput read_chart_data(const ChartDataEntries& entries);

// The message of the first check of the date and time that fails, or nullptr
// when they name a moment the chart takes.
const char* check_moment(const ChartInput& input);

// The message of the first check that fails, or nullptr when all pass and the
// inputs' date_line is formatted: the chart is then ready to compute.
const char* accept_chart_input(ChartInput& input);
