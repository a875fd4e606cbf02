#pragma once

#include <span>
#include <string>

#include "base/chart_input.h"
#include "cli/output_formats.h"
#include "places/zone_offset.h"

// What the command line asks for, parsed but not yet checked against the
// Chart Data ranges.
struct PrintOptions {
  const OutputFormat* format = &OutputFormats[0];
  int chart_style = 0;  // 0 South, 1 North
  int varga = 1;        // the diagram's divisional chart
  std::string output;   // empty: standard output
  int scale = 1;        // picture pixels per window pixel each way, 1 to 4
  bool has_scale = false;

  // The chart's date, time, zone and coordinates as typed, zero where not:
  // the zone the chart's own way round ("-" ahead of Universal Time).
  ChartInput chart{};
  std::string name;
  std::string place;
  // Which of the values were typed: those win over the atlas's.
  bool has_date = false;
  bool has_time = false;
  bool has_utc_offset = false;
  bool has_longitude = false;
  bool has_latitude = false;
  bool has_place = false;

  std::string zone;  // IANA time-zone name; empty: none
  ZoneFold fold = fold_refused;
  std::string city;    // atlas query for the coordinates and zone
  std::string find;    // atlas query to list, no chart
  std::string append;  // chart file to append the chart to

  bool has_on = false;  // --on: the dasha period running on this date
  int on_year = 0, on_month = 0, on_day = 0;
  int levels = 2;                  // dasha levels listed, 2 or 3
  bool sade_sati = false;          // Saturn's stretches over the natal Moon
  const Report* report = nullptr;  // --report: that report alone
  int sunrise_rule = 0;            // the panchanga's: 0 the centre, 1 the upper limb
  bool has_sunrise = false;

  // --transits: the events from --from 00:00 UT up to --to 00:00 UT.
  bool transits = false;
  bool nakshatras = false;  // nakshatra ingresses too
  bool has_from = false;
  int from_year = 0, from_month = 0, from_day = 0;
  bool has_to = false;
  int to_year = 0, to_month = 0, to_day = 0;

  std::string chart_file;  // empty: the chart comes from the options above;
                           // "-": standard input
  int line = -1;           // -1: every chart of the file
  int match_line = -1;     // --match: the girl's line, the boy's being --line

  bool help = false;
  bool version = false;
};

// The inputs of the chart the options give, name and place stored as the
// dialog stores them; unchecked, date_line empty.
ChartInput chart_input_of(const PrintOptions& options);

// Which form of the command an option belongs to: the usage shows one line
// for each.
enum class OptionGroup { output, chart, file, transits, find, info };

// What an option's value is, for the usage, the help and the completion.
enum class ValueKind { none, format, report, varga, choice, file, zone, text };

// One option of vantrel-print. The parser, the usage, the help and the
// shell completion all read this table, so an option is one row.
struct PrintOption {
  const char* name;  // the long name, without "--"
  char letter;       // the short name, '\0' for none
  ValueKind kind;
  const char* value;     // the value's name; a choice's words joined by '|'
  const char* expected;  // the accepted forms, said when a value is refused
  const char* help;      // one paragraph, wrapped by the help text
  OptionGroup group;
  bool required;  // in the usage line of its group
  bool (*apply)(const char* value, PrintOptions& options);
};

extern const PrintOption PrintOptionTable[];
extern const int print_option_count;

// The table's rows, for a loop over them outside its own file.
inline std::span<const PrintOption> print_option_rows() {
  return {PrintOptionTable, static_cast<std::size_t>(print_option_count)};
}

// --report panchanga --from --to: the days at a place, no chart.
bool lists_days(const PrintOptions& options);

// The report the options ask for: --report's, or the match for --match;
// nullptr for the whole chart.
const Report* chosen_report(const PrintOptions& options);

// "--format".
std::string option_long_name(const PrintOption& option);
