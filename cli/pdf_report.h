#pragma once

#include "cli/report.h"

// A one-page PDF of the chart's size in points, with real text and vector
// lines; no creation date, so the same chart gives the same bytes. nullptr
// when drawn, else Cairo's reason.
const char* append_pdf_report(std::string& out, const ReportRequest& request);
