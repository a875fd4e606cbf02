#pragma once

#include "chart/chart.h"

// What the window shows: its one current chart and how its diagram is drawn.
struct ChartState {
  Chart chart;
  int chart_style = 0;  // 0 South Indian, 1 North Indian
  int varga = 1;        // the diagram's divisional chart, 1 the chart itself
};
