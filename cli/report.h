#pragma once

#include <optional>
#include <string>

#include "chart/chart.h"
#include "chart/ut_minute.h"

struct OffsetBasis;

// What one chart's output is made from: the whole chart in a format, or one
// of its reports.
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
  int varga = 1;                 // the diagram's divisional chart
  // The reports' own: the match's other chart, the girl's when chart is the
  // boy's; the sky's events from first up to end; the panchanga's sunrise.
  const Chart* partner = nullptr;
  UtMinute first = 0;
  UtMinute end = 0;
  bool nakshatras = false;
  int sunrise_rule = 0;
};

// Appends one chart's output to out; nullptr once written, else why it could
// not be drawn.
using ReportWriter = const char* (*)(std::string& out, const ReportRequest& request);

// What a report asks for beside the chart.
enum class ReportNeeds { chart_only, range, partner };

// One report of a chart: `vantrel-print --report NAME` writes it as text or
// JSON, and the window's Reports menu shows its text, so the window can only
// ever show what the printer prints. A report is one writer file and one row.
struct Report {
  const char* name;   // --report NAME
  const char* title;  // the window showing it is titled "<title> - <chart's name>"
  ReportWriter text;
  ReportWriter json;
  ReportNeeds needs;
  bool takes_on;    // --on adds the period running then
  bool lists_days;  // --from and --to list days at a place, without a chart
};

extern const Report Reports[];
extern const int report_count;

// The report of a name, nullptr for none.
const Report* report_named(const std::string& name);

// The reports' names joined by separator and, before the last, by
// last_separator.
std::string report_names(const char* separator, const char* last_separator);
