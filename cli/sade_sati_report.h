#pragma once

#include <string>

#include "chart/chart.h"
#include "cli/json_line.h"
#include "cli/report.h"

// Saturn's stretches in the 12th, 1st and 2nd signs from the natal Moon's,
// from the chart's moment to 100 years after it, each from and to a UT
// minute: a titled list of lines, and a JSON array of {"start", "end"}.
void append_sade_sati_text(std::string& out, const Chart& chart);
void append_sade_sati_json(JsonLine& line, const Chart& chart);

// The sade-sati report: the list alone, as text or as {"sade_sati": [...]}.
const char* append_sade_sati_text_report(std::string& out, const ReportRequest& request);
const char* append_sade_sati_json_report(std::string& out, const ReportRequest& request);
