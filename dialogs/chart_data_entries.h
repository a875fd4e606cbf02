#pragma once

#include <cstddef>
#include <string>

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

// The same entries with every integer field read as a number; the printer
// fills one directly from the values it parsed.
struct ChartDataValues {
  std::string name;
  int month_index = 0;
  long day = 0;
  long year = 0;
  long hour = 0;
  long minute = 0;
  int zone_sign_index = 0;
  long zone_hours = 0;
  long zone_minutes = 0;
  std::string place;
  long lon_degrees = 0;
  int lon_dir_index = 0;
  long lon_minutes = 0;
  long lat_degrees = 0;
  int lat_dir_index = 0;
  long lat_minutes = 0;
};

// An integer field's value as strtol reads it in base 10: a leading zero, as
// in "08", is no octal prefix. A text beyond the range of long reads as
// LONG_MAX or LONG_MIN, so it fails every range check instead of wrapping
// into an accepted value.
long read_integer_field(const std::string& text);

ChartDataValues read_chart_data(const ChartDataEntries& entries);

// The message of the first check that fails, or nullptr when all pass.
const char* check_chart_values(const ChartDataValues& values);
const char* check_chart_data(const ChartDataEntries& entries);

// Writes checked values into ChartState with their sign conventions and
// composes date_line; computes nothing.
void store_chart_values(const ChartDataValues& values);
void store_chart_data(const ChartDataEntries& entries);
