#pragma once

#include "dialogs/chart_data_entries.h"

// The Chart Data dialog filled in for 5 March 1990, 07:05, zone "+" 5:00,
// 77 E 13, 28 N 38, New Delhi: passes every check.
inline ChartDataEntries delhi_entries() {
  ChartDataEntries entries;
  entries.name = "Delhi chart";
  entries.month_index = 2;
  entries.day = "5";
  entries.year = "1990";
  entries.hour = "7";
  entries.minute = "5";
  entries.zone_hours = "5";
  entries.zone_minutes = "0";
  entries.place = "New Delhi";
  entries.lon_degrees = "77";
  entries.lon_dir_index = 1;
  entries.lon_minutes = "13";
  entries.lat_degrees = "28";
  entries.lat_minutes = "38";
  return entries;
}
