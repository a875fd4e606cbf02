#include "gui/chart_state.h"

#include "gui/local_clock.h"
#include "gui/present_moment.h"

ChartStateRecord ChartState;

void compute_chart() { ChartState.chart = chart_of(ChartState.chart.input); }

void present_moment_chart() {
  ChartState.chart.input = present_moment_input(read_local_clock());
  ChartState.chart_style = 0;
  compute_chart();
}
