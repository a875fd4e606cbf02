#pragma once

#include <iterator>
#include <random>
#include <string>

#include "dialogs/chart_data_entries.h"
#include "ephemeris/time_and_calendar.h"

// Entries of the Chart Data dialog that pass all its checks, drawn at random:
// any date from 1600 to 2400, any time, zone and place, and names and places
// of up to 30 bytes with blanks, punctuation and multi-byte UTF-8 characters.
inline ChartDataEntries random_chart_entries(std::mt19937& random) {
  auto pick = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  auto text = [&random, &pick]() {
    static const char* const Pieces[] = {"a",
                                         "Z",
                                         "m",
                                         "7",
                                         " ",
                                         "-",
                                         ".",
                                         "'",
                                         "(",
                                         "\xc3\xa9",
                                         "\xc3\xbc",
                                         "\xe0\xa4\xb6",
                                         "\xe6\x97\xa5",
                                         "\xf0\x9f\x8c\x99"};
    std::string value;
    const int length = pick(0, 30);
    while (static_cast<int>(value.size()) < length)
      value += Pieces[pick(0, static_cast<int>(std::size(Pieces)) - 1)];
    return value;
  };
  static const int MonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

  ChartDataEntries entries;
  const int year = pick(1600, 2400);
  entries.month_index = pick(0, 11);
  int days = MonthDays[entries.month_index];
  if (entries.month_index == 1 && is_leap_year(year)) days = 29;
  entries.name = text();
  entries.day = std::to_string(pick(1, days));
  entries.year = std::to_string(year);
  entries.hour = std::to_string(pick(0, 23));
  entries.minute = std::to_string(pick(0, 59));
  entries.zone_sign_index = pick(0, 1);
  entries.zone_hours = std::to_string(pick(0, 12));
  entries.zone_minutes = std::to_string(pick(0, 59));
  entries.place = text();
  entries.lon_degrees = std::to_string(pick(0, 179));
  entries.lon_dir_index = pick(0, 1);
  entries.lon_minutes = std::to_string(pick(0, 59));
  entries.lat_degrees = std::to_string(pick(0, 89));
  entries.lat_dir_index = pick(0, 1);
  entries.lat_minutes = std::to_string(pick(0, 59));
  return entries;
}
