#pragma once

#include "cli/report.h"

// The chart as text, with the strings the window draws: the header's three
// lines, the house diagram of the chart style as a text picture, the planet
// table, the navamsha line and the dasha listing. Every line ends in a
// newline; the report holds no blank line of its own. After the listing, the
// balance of the birth major period, for on_day the period running then, and
// where the offset came from when that is shown.
const char* append_text_report(std::string& out, const ReportRequest& request);
