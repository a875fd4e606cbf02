#pragma once

#include <string>

enum PrintFormat : int { print_text = 0, print_json, print_svg, print_png, print_pdf };

// Each format's name on the command line, by PrintFormat.
extern const char* const PrintFormatNames[5];

// PNG and PDF are bytes for a file, never for a terminal or a pipe.
inline bool is_binary_format(PrintFormat format) {
  return format == print_png || format == print_pdf;
}

// Which of the two offsets a local time that happened twice takes.
enum ZoneFold : int { fold_refused = 0, fold_earlier, fold_later };

// A time, zone or coordinate as typed: whole units, sixtieths and the side
// (east, south, or ahead of Universal Time).
struct SexagesimalValue {
  int whole = 0;
  int sixtieths = 0;
  bool east_or_south = false;
};

// What the command line asks for, parsed but not yet checked against the
// Chart Data ranges.
struct PrintOptions {
  PrintFormat format = print_text;
  int chart_style = 0;  // 0 South, 1 North
  std::string output;   // empty: standard output
  int scale = 1;        // PNG pixels per window pixel each way, 1 to 4
  bool has_scale = false;

  bool has_date = false;
  int year = 0, month = 0, day = 0;
  bool has_time = false;
  int hour = 0, minute = 0;
  SexagesimalValue utc_offset;  // east_or_south: ahead of Universal Time
  SexagesimalValue longitude;   // east_or_south: east
  SexagesimalValue latitude;    // east_or_south: south
  std::string name;
  std::string place;
  // Which of the values above were typed: those win over the atlas's.
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

  std::string chart_file;  // empty: the chart comes from the options above
  int line = -1;           // -1: every chart of the file

  bool help = false;
  bool version = false;
};

// A value as --lat and --lon take it: 28N38, 077E13.
std::string latitude_text(const SexagesimalValue& latitude);
std::string longitude_text(const SexagesimalValue& longitude);

enum ParseOutcome : int { parse_ok = 0, parse_refused };

// Fills options from argv[1..argc-1]. A refusal leaves a one-line reason in
// error, without the program's name.
ParseOutcome parse_print_options(int argc, const char* const* argv, PrintOptions& options,
                                 std::string& error);

extern const char* const print_usage_text;
extern const char* const print_help_text;
