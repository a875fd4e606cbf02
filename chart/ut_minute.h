#pragma once

#include <cstdint>
#include <string>

#include "base/chart_input.h"
#include "base/units.h"

// A whole minute of Universal Time: the Julian day number of its civil date
// times the minutes of a day plus its minute of the day.
using UtMinute = std::int64_t;

constexpr UtMinute minutes_per_day = UtMinute{hours_per_day} * minutes_per_hour;

UtMinute ut_minute_of(int year, int month, int day, int hour, int minute);

// The minute of a chart's moment (its julian_day), to the nearest minute.
UtMinute ut_minute_of_day_count(double julian_day);

// The minute as the chart of that moment takes it: its civil date and time
// at zone 0, longitude and latitude 0.
ChartInput ut_chart_input(UtMinute minute);

// "2025-01-14 03:26".
std::string ut_minute_text(UtMinute minute);
