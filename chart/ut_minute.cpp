#include "chart/ut_minute.h"

#include <cmath>
#include <cstdio>

#include "base/units.h"
#include "ephemeris/time_and_calendar.h"

namespace {
struct CivilMinute {
  CivilDate date;
  int hour;
  int minute;
};

CivilMinute civil_minute_of(UtMinute minute) {
  const UtMinute day = minute / minutes_per_day;
  const int of_day = static_cast<int>(minute - day * minutes_per_day);
  return {civil_date_of(static_cast<double>(day)), of_day / minutes_per_hour,
          of_day % minutes_per_hour};
}
}  // namespace

UtMinute ut_minute_of(int year, int month, int day, int hour, int minute) {
  const auto day_number = static_cast<UtMinute>(julian_day_number(month, day, year));
  return day_number * minutes_per_day + static_cast<UtMinute>(hour) * minutes_per_hour +
         minute;
}

UtMinute ut_minute_of_day_count(double julian_day) {
  return std::llround(julian_day * minutes_per_day);
}

ChartInput ut_chart_input(UtMinute minute) {
  const CivilMinute civil = civil_minute_of(minute);
  ChartInput input{};
  input.year = civil.date.year;
  input.month = civil.date.month;
  input.day = civil.date.day;
  input.hour = civil.hour;
  input.minute = civil.minute;
  return input;
}

std::string ut_minute_text(UtMinute minute) {
  const CivilMinute civil = civil_minute_of(minute);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", civil.date.year,
                civil.date.month, civil.date.day, civil.hour, civil.minute);
  return text;
}
