#pragma once

#include <ctime>

#include "app/chart_input.h"

// The inputs of the chart of a local clock reading: "Prasna" at "Nowhere",
// longitude and latitude 0, the clock's date and time taken as Universal
// Time.
ChartInput present_moment_input(const std::tm& local);
