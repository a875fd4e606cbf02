#pragma once

#include "cli/report.h"

// The chart as one line of JSON (newline included) with the keys "name",
// "place", "date_line", "place_line", "julian_day", "bodies", "dashas",
// "basis" when one is shown (where the offset came from), "balance" and, for
// on_day, "running". Doubles read back exactly; bytes that are not UTF-8
// become U+FFFD.
const char* append_json_report(std::string& out, const ReportRequest& request);
