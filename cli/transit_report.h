#pragma once

#include <functional>
#include <string>
#include <vector>

#include "chart/panchanga.h"
#include "chart/transits.h"
#include "cli/report.h"

// The local time of a UT minute as "YYYY-MM-DD HH:MM", for a listing with a
// zone or an offset; empty when there is none.
using LocalTimeText = std::function<std::string(UtMinute)>;

// Appends a listing of events; local is empty when no zone or offset is
// given.
using EventWriter = void (*)(std::string& out, const std::vector<TransitEvent>& events,
                             const LocalTimeText& local);

// One line per event, in time order: its UT minute (and local time), the
// body and what changed, e.g. "2025-01-14 03:27 UT  Su enters Cp from Sg".
void append_transit_text(std::string& out, const std::vector<TransitEvent>& events,
                         const LocalTimeText& local);

// One JSON object per event and line: "body", "event" ("sign", "nakshatra",
// "retrograde" or "direct"), "from" and "to" for ingresses, "ut" and, with
// a zone or offset, "local".
void append_transit_json(std::string& out, const std::vector<TransitEvent>& events,
                         const LocalTimeText& local);

// The local time of a UT minute in a zone; empty when east is.
LocalTimeText local_time_in(const ZoneMinutesEast& east);

// The local time of a UT minute at a fixed offset, minutes east of Greenwich.
LocalTimeText fixed_offset_time(int minutes_east);

// The chart's zone's local time: the offset the chart holds.
LocalTimeText chart_local_time(const Chart& chart);

// The transits report: the sky's events from request.first up to
// request.end (the nakshatra ingresses too when asked), each with its local
// time in the chart's zone, as --transits lists them.
const char* append_transits_text_report(std::string& out, const ReportRequest& request);
const char* append_transits_json_report(std::string& out, const ReportRequest& request);
