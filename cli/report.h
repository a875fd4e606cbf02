#pragma once

#include <optional>
#include <string>

#include "chart/chart.h"

struct OffsetBasis;

// What one chart's report is made from.
struct ReportRequest {
  const Chart& chart;
  int chart_style;  // 0 South, 1 North
  int scale;        // picture pixels per window pixel each way
  // Where the offset came from, said under a chart given on the command line
  // when shown; nullptr for a chart of a file.
  const OffsetBasis* basis;
  std::optional<double> on_day;  // --on, on the listing's day scale
  int levels = 2;                // dasha levels listed: 2, or 3 with the third
  bool sade_sati = false;        // list Saturn's stretches over the natal Moon
};

// Appends one chart's report to out; nullptr once written, else why it could
// not be drawn.
using ReportWriter = const char* (*)(std::string& out, const ReportRequest& request);
