#pragma once

#include <cstdint>

#include "chart/chart.h"

// The window's one current chart: what the dialog, the chart file and the
// clock write, and what the chart widget draws.
struct ChartStateRecord {
  Chart chart;               // its inputs, and what compute_chart made of them
  std::uint8_t chart_style;  // 0 South Indian, 1 North Indian
};

extern ChartStateRecord ChartState;

// Computes ChartState's chart from its inputs.
void compute_chart();

// The start-up chart: the clock's present moment, computed, in the South
// style.
void present_moment_chart();
