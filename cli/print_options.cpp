#include "cli/print_options.h"

#include <getopt.h>
#include <strings.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <iterator>
#include <sstream>
#include <tuple>
#include <utility>
#include <vector>

#include "entry/chart_data_entries.h"
#include "ephemeris/time_and_calendar.h"

namespace {

// Whole decimal digits from text, at most nine so that the value fits an int;
// text moves past them.
bool take_digits(const char*& text, int& value) {
  int count = 0;
  value = 0;
  while (*text >= '0' && *text <= '9') {
    if (++count > 9) return false;
    value = value * 10 + (*text - '0');
    ++text;
  }
  return count > 0;
}

bool take_char(const char*& text, char wanted) {
  if (*text != wanted) return false;
  ++text;
  return true;
}

bool parse_date(const char* text, int& year, int& month, int& day) {
  if (!take_digits(text, year) || !take_char(text, '-') || !take_digits(text, month) ||
      !take_char(text, '-') || !take_digits(text, day) || *text != '\0') {
    return false;
  }
  // The dialog picks the month from a list, so no month check exists there.
  return month >= 1 && month <= 12;
}

// A day that the calendar has, for dates the dialog's checks do not see.
bool is_calendar_day(int year, int month, int day) {
  return day >= 1 && day <= days_in_month(year, month);
}

// The years the ephemeris covers, and those a dasha listing of a chart of
// those years reaches (120 years past its last).
constexpr int first_ephemeris_year = 1600;
constexpr int last_ephemeris_year = 2400;
constexpr int last_listing_year = 2520;

// A calendar date from 1600 to the last year; later ones would leave the
// ephemeris or the day count's integers.
bool parse_listing_date(const char* text, int& year, int& month, int& day,
                        int last_year) {
  return parse_date(text, year, month, day) && year >= first_ephemeris_year &&
         year <= last_year && is_calendar_day(year, month, day);
}

bool parse_clock(const char* text, int& hours, int& minutes) {
  return take_digits(text, hours) && take_char(text, ':') && take_digits(text, minutes) &&
         *text == '\0';
}

// Local time minus Universal Time, east positive as usually written, into
// the chart's zone, where ahead of Universal Time is "-"; a zero offset is
// "+". H:MM with or without a sign ("+05:30", "5:30"), or with a sign H, HH
// or HHMM ("+5", "+05", "+0530"); each may follow "UTC" ("UTC+5:30",
// "UTC-3"), which then needs the sign.
bool parse_utc_offset(const char* text, ChartInput& chart) {
  const bool after_utc = strncasecmp(text, "UTC", 3) == 0;
  if (after_utc) text += 3;
  const bool has_sign = *text == '+' || *text == '-';
  const bool ahead = *text != '-';
  if (has_sign)
    ++text;
  else if (after_utc)
    return false;
  SignedAngle zone;
  const char* hours = text;
  if (!take_digits(text, zone.whole)) return false;
  if (take_char(text, ':')) {
    if (!take_digits(text, zone.sixtieths) || *text != '\0') return false;
  } else {
    const auto digits = text - hours;
    if (!has_sign || *text != '\0' || (digits > 2 && digits != 4)) return false;
    if (digits == 4) {
      zone.sixtieths = zone.whole % 100;
      zone.whole /= 100;
    }
  }
  zone.negative = ahead && (zone.whole != 0 || zone.sixtieths != 0);
  set_zone(chart, zone);
  return true;
}

// Degrees, a side letter (either case) and minutes, e.g. 077E13 or 28s38;
// the second side is the chart's negative one.
bool parse_angle(const char* text, char first_side, char second_side,
                 SignedAngle& value) {
  if (!take_digits(text, value.whole)) return false;
  char side = *text;
  if (side >= 'a' && side <= 'z') side = static_cast<char>(side - 'a' + 'A');
  if (side != first_side && side != second_side) return false;
  ++text;
  if (!take_digits(text, value.sixtieths) || *text != '\0') return false;
  value.negative = side == second_side;
  return true;
}

// Signed decimal degrees as ISO 6709 writes them, north and east positive:
// at most three whole digits and a fraction, e.g. -122.27 or 28.6.
bool parse_decimal_degrees(const char* text, double& degrees) {
  const char* const number = *text == '+' ? text + 1 : text;
  const char* digits = *text == '+' || *text == '-' ? text + 1 : text;
  const char* end = digits;
  int whole = 0;
  if (!take_digits(end, whole) || end - digits > 3) return false;
  if (take_char(end, '.')) {
    const char* const fraction = end;
    while (*end >= '0' && *end <= '9') ++end;
    if (end == fraction) return false;
  }
  return *end == '\0' && std::from_chars(number, end, degrees).ec == std::errc{};
}

// Both forms of a coordinate; decimal degrees to the nearest whole minute,
// as the atlas's are. The chart's longitude is West positive.
bool parse_coordinate(const char* text, bool longitude, SignedAngle& value) {
  if (parse_angle(text, longitude ? 'W' : 'N', longitude ? 'E' : 'S', value)) return true;
  double degrees = 0;
  if (!parse_decimal_degrees(text, degrees)) return false;
  value = nearest_minute_angle(longitude ? -degrees : degrees);
  return true;
}

bool parse_whole_number(const char* text, int& value) {
  return take_digits(text, value) && *text == '\0';
}

// A text option that an empty value would leave unset.
bool take_text(const char* text, std::string& value) {
  value = text;
  return !value.empty();
}

}  // namespace

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
       return take_text(value, options.append);
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
       options.has_from = parse_listing_date(value, options.from_year, options.from_month,
                                             options.from_day, last_ephemeris_year);
       return options.has_from;
     }},
    {"to", '\0', ValueKind::text, "YYYY-MM-DD",
     "a calendar date YYYY-MM-DD, 1600 to 2401-01-01",
     "the day after the last day of the transits", OptionGroup::transits, true,
     [](const char* value, PrintOptions& options) {
       options.has_to = parse_listing_date(value, options.to_year, options.to_month,
                                           options.to_day, last_ephemeris_year + 1) &&
                        (options.to_year <= last_ephemeris_year ||
                         (options.to_month == 1 && options.to_day == 1));
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

std::string option_choices(const PrintOption& option, const char* separator) {
  if (option.kind == ValueKind::format) return format_names(separator, separator);
  if (option.kind != ValueKind::choice) return "";
  std::string words;
  for (const char* c = option.value; *c != '\0'; ++c)
    words += *c == '|' ? std::string(separator) : std::string(1, *c);
  return words;
}

namespace {

constexpr std::size_t text_width = 80;

// Words appended to text, a new line (indented to column) before one that
// would pass the width. The text's last line is the one written on.
void append_wrapped(std::string& text, const std::vector<std::string>& words,
                    std::size_t column) {
  std::size_t line_start = text.rfind('\n') + 1;
  for (const std::string& word : words) {
    const std::size_t length = text.size() - line_start;
    if (length > column && length + 1 + word.size() > text_width) {
      text += '\n';
      line_start = text.size();
      text.append(column, ' ');
    } else if (length > column) {
      text += ' ';
    }
    text += word;
  }
}

std::vector<std::string> words_of(const std::string& paragraph) {
  std::vector<std::string> words;
  std::istringstream in(paragraph);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string long_name(const PrintOption& option) {
  return std::string("--") + option.name;
}

// An option of a usage line: "--date YYYY-MM-DD", "[--scale N]"; a choice
// already spelled out above is "...".
std::string usage_item(const PrintOption& option, bool choices_shown) {
  std::string item = long_name(option);
  if (option.kind != ValueKind::none) {
    const std::string choices = option_choices(option, "|");
    item += " " + (choices.empty() ? option.value : choices_shown ? "..." : choices);
  }
  return option.required ? item : "[" + item + "]";
}

}  // namespace

std::string print_usage_text() {
  const std::string program = "vantrel-print ";
  const std::string indent = "       ";
  struct Form {
    OptionGroup groups[2];
    int group_count;
    std::vector<std::string> others;  // options of other groups it takes
  };
  const Form forms[] = {
      {{OptionGroup::output, OptionGroup::chart}, 2, {}},
      {{OptionGroup::output, OptionGroup::file}, 2, {}},
      {{OptionGroup::transits}, 1, {"zone", "utc-offset", "format", "output"}},
      {{OptionGroup::find}, 1, {}}};
  std::string text;
  for (const Form& form : forms) {
    text += (text.empty() ? "usage: " : indent) + program;
    const std::size_t column = indent.size() + program.size();
    std::vector<std::string> items;
    for (int g = 0; g < form.group_count; ++g)
      for (const PrintOption& option : PrintOptionTable)
        if (option.group == form.groups[g])
          items.push_back(usage_item(option, &form != forms));
    for (const PrintOption& option : PrintOptionTable)
      if (std::find(form.others.begin(), form.others.end(), option.name) !=
          form.others.end())
        items.push_back(usage_item(option, true));
    append_wrapped(text, items, column);
    text += '\n';
  }
  text += indent + program;
  const char* separator = "";
  for (const PrintOption& option : PrintOptionTable) {
    if (option.group != OptionGroup::info) continue;
    text += separator + long_name(option);
    separator = " | ";
  }
  return text + '\n';
}

std::string print_help_text() {
  constexpr std::size_t column = 28;
  std::string text =
      "Prints a sidereal chart as the Vantrel window draws it: header, house diagram,\n"
      "planet table, navamsha signs and Vimshottari dashas.\n\n";
  for (const PrintOption& option : PrintOptionTable) {
    std::string head = option.letter != '\0' ? std::string("  -") + option.letter + ", "
                                             : std::string(6, ' ');
    head += long_name(option);
    if (option.kind != ValueKind::none) head += std::string(" ") + option.value;
    text += head;
    if (head.size() + 2 > column) text += "\n";
    text.append(column - (text.size() - (text.rfind('\n') + 1)), ' ');
    std::string help = option.help != nullptr ? option.help : "";
    if (option.kind == ValueKind::format) {
      help = format_names(", ", " or ") + " (default " + OutputFormats[0].name + "); " +
             format_names(", ", " and ", &OutputFormat::binary) +
             " go to standard output only when it is not a terminal";
    }
    append_wrapped(text, words_of(help), column);
    text += '\n';
  }
  return text +
         "\n"
         "Long options may be shortened to any unique beginning (--form for --format)\n"
         "and take their value after '=' too; \"--\" ends the options. An option is\n"
         "given once at most.\n"
         "\n"
         "Exit status: 0 printed, 1 a chart line, a file or the output failed, 2 "
         "refused\n"
         "options or values.\n"
         "The atlas: GeoNames (geonames.org), places of 1000 people or more, CC BY "
         "4.0.\n";
}

namespace {

// The local time comes from a zone or from one offset, never both.
bool zone_and_offset_given(const PrintOptions& options, std::string& error) {
  if (options.zone.empty() || !options.has_utc_offset) return false;
  error = "--zone and --utc-offset exclude each other: give one";
  return true;
}

// --transits takes its range, the zone or offset of its local times and the
// format and output: nothing of a chart.
bool check_transits(const PrintOptions& options, const std::vector<bool>& given,
                    std::string& error) {
  const char* const Allowed[] = {"transits", "from",       "to",     "nakshatras",
                                 "zone",     "utc-offset", "format", "output"};
  for (int i = 0; i < print_option_count; ++i) {
    const std::string name = PrintOptionTable[i].name;
    if (!given[i] ||
        std::find(std::begin(Allowed), std::end(Allowed), name) != std::end(Allowed))
      continue;
    error = options.transits
                ? "--transits lists events of the sky: no --" + name + " with it"
                : "--" + name + " goes with --transits";
    return false;
  }
  if (!options.transits || !options.has_from || !options.has_to) {
    error = !options.transits ? "--from, --to and --nakshatras go with --transits"
                              : "--transits needs --from and --to";
    return false;
  }
  if (zone_and_offset_given(options, error)) return false;
  const double from =
      julian_day_number(options.from_month, options.from_day, options.from_year);
  const double to = julian_day_number(options.to_month, options.to_day, options.to_year);
  if (to <= from) {
    error = "--to must come after --from";
    return false;
  }
  // A hundred calendar years from --from at most.
  const int last_year = options.from_year + 100;
  if (std::tie(options.to_year, options.to_month, options.to_day) >
      std::tie(last_year, options.from_month, options.from_day)) {
    error = "--from and --to span more than 100 years";
    return false;
  }
  return true;
}

// Combinations that no single chart source can satisfy.
bool check_combination(const PrintOptions& options, const std::vector<bool>& given,
                       bool output_is_terminal, std::string& error) {
  if (options.help || options.version) return true;
  int options_given = 0;
  bool chart_option_given = false;
  std::string chart_options;
  for (int i = 0; i < print_option_count; ++i) {
    const PrintOption& option = PrintOptionTable[i];
    options_given += given[i] ? 1 : 0;
    if (option.group != OptionGroup::chart) continue;
    chart_option_given = chart_option_given || given[i];
    chart_options += (chart_options.empty() ? "" : ", ") + long_name(option);
  }
  if (!options.find.empty()) {
    if (options_given == 1) return true;
    error = "--find lists places and computes no chart: no other option with it";
    return false;
  }
  // What only words can say.
  const std::pair<bool, const char*> textual[] = {{options.has_on, "--on"},
                                                  {options.levels == 3, "--levels 3"},
                                                  {options.sade_sati, "--sade-sati"},
                                                  {options.transits, "--transits"}};
  for (const auto& [asked, name] : textual) {
    if (asked && !options.format->textual) {
      error = std::string(name) + " answers in " +
              format_names(", ", " or ", &OutputFormat::textual) + ", not in a picture";
      return false;
    }
  }
  if (options.transits || options.has_from || options.has_to || options.nakshatras)
    return check_transits(options, given, error);
  if (!options.chart_file.empty()) {
    if (chart_option_given) {
      const std::size_t last = chart_options.rfind(", ");
      error = "--file takes the charts from the file: no " +
              chart_options.replace(last, 2, " or ") + " with it";
      return false;
    }
    if (options.format->between_charts == nullptr && options.line < 0) {
      error = std::string("--format ") + options.format->name +
              " draws one chart: give --line with --file";
      return false;
    }
  }
  if (options.format->binary && options.output.empty() && output_is_terminal) {
    error = std::string("--format ") + options.format->name +
            " writes binary data: give --output FILE";
    return false;
  }
  if (options.has_scale && !options.format->scalable) {
    error =
        "--scale is for --format " + format_names(", ", " or ", &OutputFormat::scalable);
    return false;
  }
  if (!options.chart_file.empty()) return true;
  if (options.line >= 0) {
    error = "--line needs --file";
    return false;
  }
  if (!options.has_date || !options.has_time) {
    error = options.has_date ? "missing --time" : "missing --date";
    return false;
  }
  if (zone_and_offset_given(options, error)) return false;
  if (options.fold != fold_refused && options.zone.empty() && options.city.empty()) {
    error = "--fold needs --zone or --city";
    return false;
  }
  return true;
}

// getopt_long's code for the long form of row i; short forms are their letter.
constexpr int long_code = 256;

int row_of_code(int code) {
  if (code >= long_code) return code - long_code;
  for (int i = 0; i < print_option_count && code != '\0'; ++i)
    if (PrintOptionTable[i].letter == code) return i;
  return -1;
}

// Why getopt_long refused an argument: an unknown or ambiguous option, or a
// value missing or not wanted.
std::string getopt_refusal(int code, const char* argument) {
  const int row = row_of_code(optopt);
  if (code == ':' && row >= 0) return long_name(PrintOptionTable[row]) + " needs a value";
  if (row >= 0) return long_name(PrintOptionTable[row]) + " takes no value";
  if (optopt != 0)
    return std::string("unknown option '-") + static_cast<char>(optopt) + "'";
  const std::string typed = argument;
  const std::string prefix = typed.substr(2, typed.find('=') - 2);
  std::string matches;
  for (const PrintOption& option : PrintOptionTable)
    if (std::strncmp(option.name, prefix.c_str(), prefix.size()) == 0)
      matches += (matches.empty() ? "" : ", ") + long_name(option);
  if (matches.empty()) return "unknown option '" + typed + "'";
  return "'--" + prefix + "' is ambiguous: " + matches;
}

}  // namespace

ChartInput chart_input_of(const PrintOptions& options) {
  ChartInput input = options.chart;
  store_text(input.name, options.name);
  store_text(input.place, options.place);
  return input;
}

ParseOutcome parse_print_options(int argc, const char* const* argv,
                                 bool output_is_terminal, PrintOptions& options,
                                 std::string& error) {
  options = PrintOptions{};
  // "+": the first operand ends the options, as "--" does; ":": a missing
  // value is told apart from an unknown option.
  std::string letters = "+:";
  std::vector<option> long_options;
  for (int i = 0; i < print_option_count; ++i) {
    const PrintOption& row = PrintOptionTable[i];
    const bool takes = row.kind != ValueKind::none;
    if (row.letter != '\0') letters += std::string(1, row.letter) + (takes ? ":" : "");
    long_options.push_back(
        {row.name, takes ? required_argument : no_argument, nullptr, long_code + i});
  }
  long_options.push_back({nullptr, 0, nullptr, 0});
  // getopt_long takes char* const*; with "+" it moves no argument.
  std::vector<char*> arguments(static_cast<std::size_t>(argc) + 1, nullptr);
  for (int i = 0; i < argc; ++i) arguments[i] = const_cast<char*>(argv[i]);

  optind = 0;  // GNU: start afresh, since one process may parse many lines
  opterr = 0;  // the messages are the program's own
  std::vector<bool> given(print_option_count);
  for (int code; (code = getopt_long(argc, arguments.data(), letters.c_str(),
                                     long_options.data(), nullptr)) != -1;) {
    const int row = code == '?' || code == ':' ? -1 : row_of_code(code);
    if (row < 0) {
      error = getopt_refusal(code, arguments[optind - 1]);
      return parse_refused;
    }
    const PrintOption& option = PrintOptionTable[row];
    if (given[row]) {
      error = long_name(option) + " is given twice: give it once";
      return parse_refused;
    }
    given[row] = true;
    const char* value = optarg != nullptr ? optarg : "";
    if (!option.apply(value, options)) {
      const std::string expected = option.expected != nullptr
                                       ? std::string(option.expected)
                                       : format_names(", ", " or ");
      error = long_name(option) + ": expected " + expected + ", not '" + value + "'";
      return parse_refused;
    }
  }
  if (optind < argc) {
    error = std::string("unexpected argument '") + argv[optind] + "'";
    return parse_refused;
  }
  return check_combination(options, given, output_is_terminal, error) ? parse_ok
                                                                      : parse_refused;
}
