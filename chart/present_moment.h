#pragma once

#include <ctime>

// Fills every input of ChartState from a local clock reading, taken as
// Universal Time at longitude and latitude 0, and the South style.
void fill_present_moment(const std::tm& local);

// The start-up chart: the clock's present moment, computed.
void present_moment_chart();
