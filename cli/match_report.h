#pragma once

#include <string>

#include "cli/report.h"

// The Ashtakoota match of the boy's chart (the request's chart) with the
// girl's (its partner), as text:
// each name with its Moon's nakshatra and sign, one line per koota with its
// points and maximum, and the total; half points as ".5". For example
//   Boy:  Ravi (U.Bhadra, Pi)
//   Girl: Sita (Rohini, Ta)
//   Varna          1 of 1
//   ...
//   Graha Maitri   0.5 of 5
//   ...
//   Total          26 of 36
const char* append_match_text(std::string& out, const ReportRequest& request);

// The same as one line of JSON (newline included): {"match": {"boy", "girl",
// "kootas": [{"name", "points", "of"}, ...], "total", "of": 36}}, half points
// as 0.5 and whole ones as integers; bytes of a name that are not UTF-8
// become U+FFFD.
//
// Both give the names without the blanks that pad them to the chart file's
// columns.
const char* append_match_json(std::string& out, const ReportRequest& request);
