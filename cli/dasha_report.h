#pragma once

#include <optional>
#include <string>

#include "chart/vimshottari.h"
#include "cli/json_line.h"
#include "cli/report.h"

// The Vimshottari periods as the printer writes them, in a chart's text and
// JSON and alone as its dashas report.

// Title, rule and every sub-period with its first date, the lines and
// columns as the window arranges them.
void append_dasha_listing_text(std::string& out, const DashaSequence& sequence);
// Under each sub-period its third-level periods, three to a line.
void append_third_level_text(std::string& out, const DashaSequence& sequence);
// The balance of the birth major period and, for on_day, the period running
// then (with levels 3 its third level too).
void append_dasha_queries_text(std::string& out, const DashaSequence& sequence,
                               std::optional<double> on_day, int levels);

// The listing's entries as a JSON array, each with its lords, day and date,
// and with three levels its third-level periods.
void append_dashas_json(JsonLine& line, const DashaSequence& sequence, int levels);
// The balance's object: lord, years, months, days and days_total.
void append_balance_json(JsonLine& line, const DashaSequence& sequence);
// The running period's object, with three levels its third-level period.
void append_running_json(JsonLine& line, const DashaSequence& sequence, int running,
                         double day, int levels);

// The dashas report: the listing, its third level, the balance and, for
// on_day, the running periods; as text, or as one JSON object with the keys
// "dashas", "balance" and, for on_day, "running".
const char* append_dashas_text_report(std::string& out, const ReportRequest& request);
const char* append_dashas_json_report(std::string& out, const ReportRequest& request);
