#include "cli/print_options.h"

#include <cstring>
#include <iterator>
#include <vector>

#include "chart/vargas.h"
#include "cli/option_values.h"
#include "entry/chart_data_entries.h"

// The order of the rows is that of the usage and the help.
const PrintOption PrintOptionTable[] = {
    // Its accepted names and its help are written from the format table.
    {"format", 'T', ValueKind::format, "FORMAT", nullptr, nullptr, OptionGroup::output,
     false,
     [](const char* value, PrintOptions& options) {
       const OutputFormat* format = format_named(value);
       if (format != nullptr) options.format = format;
       return format != nullptr;
     }},
    {"scale", '\0', ValueKind::text, "N", "1, 2, 3 or 4",
     "png pixels per window pixel, 1 to 4 (default 1)", OptionGroup::output, false,
     [](const char* value, PrintOptions& options) {
       options.has_scale = true;
       return parse_whole_number(value, options.scale) && options.scale >= 1 &&
              options.scale <= 4;
     }},
    {"style", 's', ValueKind::choice, "south|north", "south or north",
     "house diagram style (default south)", OptionGroup::output, false,
     [](const char* value, PrintOptions& options) {
       options.chart_style = std::strcmp(value, "north") == 0 ? 1 : 0;
       return options.chart_style == 1 || std::strcmp(value, "south") == 0;
     }},
    // Its accepted numbers are written from the varga table.
    {"varga", '\0', ValueKind::varga, "N", nullptr,
     "draw the house diagram of divisional chart DN, named in the header (default 1, "
     "the chart itself)",
     OptionGroup::output, false,
     [](const char* value, PrintOptions& options) {
       return parse_whole_number(value, options.varga) &&
              varga_of(options.varga) != nullptr;
     }},
    {"output", 'o', ValueKind::file, "FILE", "a file name, or - for standard output",
     "write FILE, replaced whole only when complete; - is standard output",
     OptionGroup::output, false,
     [](const char* value, PrintOptions& options) {
       if (std::strcmp(value, "-") == 0) return true;
       return take_text(value, options.output);
     }},
    {"on", '\0', ValueKind::text, "YYYY-MM-DD",
     "a calendar date YYYY-MM-DD from 1600 to 2520, the years a listing reaches",
     "also name the dasha period running at 0:00 UT that day", OptionGroup::output, false,
     [](const char* value, PrintOptions& options) {
       options.has_on = parse_listing_date(value, options.on_year, options.on_month,
                                           options.on_day, last_listing_year);
       return options.has_on;
     }},
    {"levels", '\0', ValueKind::choice, "2|3", "2 or 3",
     "dasha levels listed: 2 (default), or 3 with the third level inside every "
     "sub-period",
     OptionGroup::output, false,
     [](const char* value, PrintOptions& options) {
       options.levels = std::strcmp(value, "3") == 0 ? 3 : 2;
       return options.levels == 3 || std::strcmp(value, "2") == 0;
     }},
    {"sade-sati", '\0', ValueKind::none, nullptr, nullptr,
     "also list from the chart's moment to 100 years after it each stretch of Saturn "
     "in the 12th, 1st or 2nd sign from the natal Moon's, with its first and last "
     "minutes (UT)",
     OptionGroup::output, false,
     [](const char*, PrintOptions& options) {
       options.sade_sati = true;
       return true;
     }},
    // Its accepted names and its help are written from the report table.
    {"report", '\0', ValueKind::report, "NAME", nullptr, nullptr, OptionGroup::output,
     false,
     [](const char* value, PrintOptions& options) {
       options.report = report_named(value);
       return options.report != nullptr;
     }},
    {"sunrise", '\0', ValueKind::choice, "centre|limb", "centre or limb",
     "the panchanga's sunrise and sunset: the centre of the Sun's disc on the horizon "
     "without refraction (default), or the upper limb with 34' of refraction",
     OptionGroup::output, false,
     [](const char* value, PrintOptions& options) {
       options.has_sunrise = true;
       options.sunrise_rule = std::strcmp(value, "limb") == 0 ? 1 : 0;
       return options.sunrise_rule == 1 || std::strcmp(value, "centre") == 0;
     }},
    {"date", 'd', ValueKind::text, "YYYY-MM-DD", "YYYY-MM-DD with a month from 01 to 12",
     "civil date, years 1600 to 2400", OptionGroup::chart, true,
     [](const char* value, PrintOptions& options) {
       options.has_date =
           parse_date(value, options.chart.year, options.chart.month, options.chart.day);
       return options.has_date;
     }},
    {"time", 't', ValueKind::text, "HH:MM", "HH:MM", "local clock time",
     OptionGroup::chart, true,
     [](const char* value, PrintOptions& options) {
       options.has_time = parse_clock(value, options.chart.hour, options.chart.minute);
       return options.has_time;
     }},
    {"utc-offset", 'u', ValueKind::text, "OFFSET",
     "+HH:MM, +HHMM, +HH or UTC+H:MM, e.g. +05:30 or UTC-3",
     "local time minus Universal Time, east positive: +05:30, +0530, +05, UTC+5:30 or "
     "UTC-3 (India is +05:30; default 00:00)",
     OptionGroup::chart, false,
     [](const char* value, PrintOptions& options) {
       options.has_utc_offset = parse_utc_offset(value, options.chart);
       return options.has_utc_offset;
     }},
    {"zone", 'z', ValueKind::zone, "NAME", "a time-zone name, e.g. Asia/Kolkata",
     "IANA time zone, e.g. Asia/Kolkata: the offset in force at the local date and "
     "time, from the system's tzdata",
     OptionGroup::chart, false,
     [](const char* value, PrintOptions& options) {
       return take_text(value, options.zone);
     }},
    {"fold", '\0', ValueKind::choice, "earlier|later", "earlier or later",
     "the offset for a local time that happened twice", OptionGroup::chart, false,
     [](const char* value, PrintOptions& options) {
       if (std::strcmp(value, "earlier") == 0) options.fold = fold_earlier;
       if (std::strcmp(value, "later") == 0) options.fold = fold_later;
       return options.fold != fold_refused;
     }},
    {"city", 'c', ValueKind::text, "TEXT", "a place name",
     "longitude, latitude and zone from the atlas: Name, \"Name, CC\" or \"Name, "
     "Region, CC\" (\"Springfield, MO, US\")",
     OptionGroup::chart, false,
     [](const char* value, PrintOptions& options) {
       return take_text(value, options.city);
     }},
    {"lon", '\0', ValueKind::text, "LONGITUDE",
     "DDD{E|W}MM or decimal degrees, east positive, e.g. 077E13 or -122.27",
     "077E13, or decimal degrees east positive (-122.27 is 122W16), rounded to the "
     "nearest whole minute (default 000W00)",
     OptionGroup::chart, false,
     [](const char* value, PrintOptions& options) {
       SignedAngle angle;
       options.has_longitude = parse_coordinate(value, true, angle);
       if (options.has_longitude) set_longitude(options.chart, angle);
       return options.has_longitude;
     }},
    {"lat", '\0', ValueKind::text, "LATITUDE",
     "DD{N|S}MM or decimal degrees, north positive, e.g. 28N38 or -33.87",
     "28N38, or decimal degrees north positive (-33.87 is 33S52), rounded to the "
     "nearest whole minute (default 00N00)",
     OptionGroup::chart, false,
     [](const char* value, PrintOptions& options) {
       SignedAngle angle;
       options.has_latitude = parse_coordinate(value, false, angle);
       if (options.has_latitude) set_latitude(options.chart, angle);
       return options.has_latitude;
     }},
    {"name", 'n', ValueKind::text, "TEXT", "a text", "chart name, at most 23 bytes kept",
     OptionGroup::chart, false,
     [](const char* value, PrintOptions& options) {
       options.name = value;
       return true;
     }},
    {"place", 'p', ValueKind::text, "TEXT", "a text", "place name, at most 23 bytes kept",
     OptionGroup::chart, false,
     [](const char* value, PrintOptions& options) {
       options.place = value;
       options.has_place = true;
       return true;
     }},
    {"append", 'a', ValueKind::file, "CHARTS", "a chart file name",
     "then append the chart to a chart file, as File > Save", OptionGroup::chart, false,
     [](const char* value, PrintOptions& options) {
       // "-" is no chart file here: it would create one of that name.
       return std::strcmp(value, "-") != 0 && take_text(value, options.append);
     }},
    {"file", 'f', ValueKind::file, "CHARTS", "a chart file name, or - for standard input",
     "print the charts of a Vantrel chart file; - reads them from standard input",
     OptionGroup::file, true,
     [](const char* value, PrintOptions& options) {
       return take_text(value, options.chart_file);
     }},
    {"line", 'l', ValueKind::text, "N", "a line number from 0",
     "only line N of it, counted from 0 (needed for the pictures)", OptionGroup::file,
     false,
     [](const char* value, PrintOptions& options) {
       return parse_whole_number(value, options.line);
     }},
    {"match", '\0', ValueKind::text, "N", "a line number from 0",
     "print the match of the chart of --line (the boy's) with the chart of line N of "
     "the same file (the girl's): the eight kootas and their points of 36",
     OptionGroup::file, false,
     [](const char* value, PrintOptions& options) {
       return parse_whole_number(value, options.match_line);
     }},
    {"transits", '\0', ValueKind::none, nullptr, nullptr,
     "list the sign ingresses of the Sun to Ketu and the stations of Mars to Saturn "
     "from --from 00:00 UT up to --to 00:00 UT, each at the first UT minute whose "
     "chart shows it; with --zone or --utc-offset the local time too",
     OptionGroup::transits, true,
     [](const char*, PrintOptions& options) {
       options.transits = true;
       return true;
     }},
    {"from", '\0', ValueKind::text, "YYYY-MM-DD",
     "a calendar date YYYY-MM-DD, 1600 to 2400", "the first day of the transits",
     OptionGroup::transits, true,
     [](const char* value, PrintOptions& options) {
       options.has_from = parse_range_start(value, options.from_year, options.from_month,
                                            options.from_day);
       return options.has_from;
     }},
    {"to", '\0', ValueKind::text, "YYYY-MM-DD",
     "a calendar date YYYY-MM-DD, 1600 to 2401-01-01",
     "the day after the last day of the transits", OptionGroup::transits, true,
     [](const char* value, PrintOptions& options) {
       options.has_to =
           parse_range_end(value, options.to_year, options.to_month, options.to_day);
       return options.has_to;
     }},
    {"nakshatras", '\0', ValueKind::none, nullptr, nullptr, "the nakshatra ingresses too",
     OptionGroup::transits, false,
     [](const char*, PrintOptions& options) {
       options.nakshatras = true;
       return true;
     }},
    {"find", '\0', ValueKind::text, "TEXT", "a place name",
     "list the atlas's places matching TEXT; no chart", OptionGroup::find, true,
     [](const char* value, PrintOptions& options) {
       return take_text(value, options.find);
     }},
    {"help", 'h', ValueKind::none, nullptr, nullptr, "this text", OptionGroup::info, true,
     [](const char*, PrintOptions& options) {
       options.help = true;
       return true;
     }},
    {"version", 'V', ValueKind::none, nullptr, nullptr, "the program's version",
     OptionGroup::info, true,
     [](const char*, PrintOptions& options) {
       options.version = true;
       return true;
     }},
};

const int print_option_count = static_cast<int>(std::size(PrintOptionTable));

bool lists_days(const PrintOptions& options) {
  return options.report != nullptr && options.report->lists_days &&
         (options.has_from || options.has_to);
}

const Report* chosen_report(const PrintOptions& options) {
  if (options.match_line >= 0 && options.report == nullptr) return report_named("match");
  return options.report;
}

std::string option_long_name(const PrintOption& option) {
  return std::string("--") + option.name;
}

ChartInput chart_input_of(const PrintOptions& options) {
  ChartInput input = options.chart;
  store_text(input.name, options.name);
  store_text(input.place, options.place);
  return input;
}
