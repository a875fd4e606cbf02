#pragma once

#include "cli/report.h"

// A PNG picture of the chart, request.scale (1 to 4) times the window's
// pixels each way; nullptr when drawn, else Cairo's reason.
const char* append_png_report(std::string& out, const ReportRequest& request);
