#include "chart/present_moment.h"

#include <cstring>

#include "app/chart_state.h"
#include "app/local_clock.h"
#include "chart/compute_chart.h"

void fill_present_moment(const std::tm& local) {
  std::strcpy(ChartState.name, "Prasna");
  // strftime leaves the area undefined when the text does not fit.
  if (std::strftime(ChartState.date_line, 63, "%a %x %H:%M %z", &local) == 0)
    ChartState.date_line[0] = '\0';
  std::strcpy(ChartState.place, "Nowhere");
  ChartState.month = local.tm_mon + 1;
  ChartState.day = local.tm_mday;
  ChartState.year = local.tm_year + 1900;
  ChartState.hour = local.tm_hour;
  ChartState.minute = local.tm_min;
  ChartState.zone_hours = 0;
  ChartState.zone_minutes = 0;
  ChartState.zone_dir = 0;
  ChartState.zone_offset = 0.0;
  ChartState.lon_degrees = 0;
  ChartState.lon_minutes = 0;
  ChartState.lon_dir = 0;
  ChartState.longitude = 0.0;
  ChartState.lat_degrees = 0;
  ChartState.lat_minutes = 0;
  ChartState.lat_dir = 0;
  ChartState.latitude = 0.0;
  ChartState.chart_style = 0;
}

void present_moment_chart() {
  fill_present_moment(read_local_clock());
  compute_chart();
}
