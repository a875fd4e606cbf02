#pragma once

#include <string>
#include <string_view>

#include "cli/panchanga_report.h"
#include "cli/report.h"
#include "cli/transit_report.h"

// One output format of vantrel-print: its name on the command line, its
// writer, and what it allows. The parser, the usage text and the report
// dispatch all read the table, so a format is one writer and one row.
struct OutputFormat {
  const char* name;
  ReportWriter write;
  EventWriter write_events;  // --transits; nullptr for a picture
  DaysWriter write_days;     // the panchanga of days; nullptr for a picture
  // Written between two charts of a file; nullptr for a picture, which
  // draws one chart.
  const char* between_charts;
  bool binary;    // bytes for a file, never for a terminal
  bool scalable;  // takes --scale
  bool textual;   // words: it shows --on, --levels 3, --sade-sati, --transits
  // The writer of a report row in this format; nullptr for a picture.
  ReportWriter Report::*report;
};

extern const OutputFormat OutputFormats[];
extern const int output_format_count;

// The format of a name, nullptr for none.
const OutputFormat* format_named(std::string_view name);

// The names of the formats that have a property (all when it is nullptr),
// joined by separator and, before the last, by last_separator:
// format_names(", ", " or ") gives "text, json, svg, png or pdf".
std::string format_names(const char* separator, const char* last_separator,
                         bool OutputFormat::*property = nullptr);
