#pragma once

#include <string>

#include "chart/panchanga.h"
#include "cli/report.h"
#include "cli/transit_report.h"

// The panchanga for the printer. Times are written "YYYY-MM-DD HH:MM" by
// local, which the caller gives for the zone it chooses (UT when empty);
// sunrise and sunset to their nearest minute.

// A listing of the panchanga of days, in one format.
using DaysWriter = void (*)(std::string& out, const PanchangaDays& listing,
                            const LocalTimeText& local);

// The chart's panchanga, one aligned line each: the four limbs with number,
// name and end, the vara, sunrise, sunset and the sunrise rule.
void append_panchanga_text(std::string& out, const Panchanga& panchanga,
                           const LocalTimeText& local);

// One object and a newline: {"panchanga": {"tithi": {"number", "name",
// "paksha", "ends"}, "nakshatra": {"number", "name", "pada", "ends"},
// "yoga": {...}, "karana": {...}, "vara": {"number", "name"}, "sunrise",
// "sunset", "sunrise_rule"}}, sunrise and sunset null where there is none.
void append_panchanga_json(std::string& out, const Panchanga& panchanga,
                           const LocalTimeText& local);

// The rule, then a block per day: its date, vara, sunrise and sunset, and
// every number of each limb in force that day, one a line.
void append_panchanga_days_text(std::string& out, const PanchangaDays& listing,
                                const LocalTimeText& local);

// The panchanga report of a chart, its times in the chart's zone, by the
// request's sunrise rule.
const char* append_panchanga_text_report(std::string& out, const ReportRequest& request);
const char* append_panchanga_json_report(std::string& out, const ReportRequest& request);

// One object per day and line: "date", "vara", "sunrise", "sunset", and
// "tithi", "nakshatra", "yoga", "karana" as lists of the chart's entries
// (no "pada").
void append_panchanga_days_json(std::string& out, const PanchangaDays& listing,
                                const LocalTimeText& local);
