#include "cli/print_options.h"

#include <cstdio>
#include <cstring>

#include "dialogs/chart_data_entries.h"
#include "ephemeris/time_and_calendar.h"

std::string print_usage_text() {
  return "usage: vantrel-print [--format " + format_names("|", "|") +
         "] [--scale N]\n"
         "                     [--style south|north] [--output FILE] [--on YYYY-MM-DD]\n"
         "                     --date YYYY-MM-DD --time HH:MM\n"
         "                     [--utc-offset +HH:MM | --zone NAME] [--fold "
         "earlier|later]\n"
         "                     [--city TEXT] [--lon DDD{E|W}MM] [--lat DD{N|S}MM]\n"
         "                     [--name TEXT] [--place TEXT] [--append CHARTS]\n"
         "       vantrel-print [--format ...] [--scale N] [--style ...] [--output FILE]\n"
         "                     [--on ...] --file CHARTS [--line N]\n"
         "       vantrel-print --find TEXT\n"
         "       vantrel-print --help | --version\n";
}

std::string print_help_text() {
  return "Prints a sidereal chart as the Vantrel window draws it: header, house "
         "diagram,\n"
         "planet table, navamsha signs and Vimshottari dashas.\n"
         "\n"
         "  --format FORMAT         " +
         format_names(", ", " or ") + " (default " + OutputFormats[0].name +
         ");\n"
         "                          " +
         format_names(", ", " and ", &OutputFormat::binary) +
         " need --output\n"
         "  --scale N               png pixels per window pixel, 1 to 4 (default 1)\n"
         "  --style south|north     house diagram style (default south)\n"
         "  --output FILE           write FILE, replaced whole only when complete\n"
         "  --date YYYY-MM-DD       civil date, years 1600 to 2400\n"
         "  --time HH:MM            local clock time\n"
         "  --utc-offset +HH:MM     local time minus Universal Time, east positive\n"
         "                          (India is +05:30; default 00:00)\n"
         "  --zone NAME             IANA time zone, e.g. Asia/Kolkata: the offset in "
         "force\n"
         "                          at the local date and time, from the system's "
         "tzdata\n"
         "  --fold earlier|later    the offset for a local time that happened twice\n"
         "  --city TEXT             longitude, latitude and zone from the atlas: Name,\n"
         "                          \"Name, CC\" or \"Name, Region, CC\" (\"Springfield, "
         "MO, "
         "US\")\n"
         "  --lon DDD{E|W}MM        longitude, e.g. 077E13 (default 000W00)\n"
         "  --lat DD{N|S}MM         latitude, e.g. 28N38 (default 00N00)\n"
         "  --name TEXT             chart name, at most 23 bytes kept\n"
         "  --place TEXT            place name, at most 23 bytes kept\n"
         "  --append CHARTS         then append the chart to a chart file, as File > "
         "Save\n"
         "  --file CHARTS           print the charts of a Vantrel chart file\n"
         "  --line N                only line N of it, counted from 0 (needed for\n"
         "                          the pictures)\n"
         "  --on YYYY-MM-DD         also name the dasha period running at 0:00 UT that "
         "day\n"
         "  --find TEXT             list the atlas's places matching TEXT; no chart\n"
         "  --help                  this text\n"
         "  --version               the program's version\n"
         "\n"
         "Exit status: 0 printed, 1 a chart line, a file or the output failed, 2 "
         "refused\n"
         "options or values.\n"
         "The atlas: GeoNames (geonames.org), places of 1000 people or more, CC BY "
         "4.0.\n";
}

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

bool parse_clock(const char* text, int& hours, int& minutes) {
  return take_digits(text, hours) && take_char(text, ':') && take_digits(text, minutes) &&
         *text == '\0';
}

// Local time minus Universal Time, east positive as usually written, into
// the chart's zone, where ahead of Universal Time is "-". A zero offset is
// "+".
bool parse_utc_offset(const char* text, ChartInput& chart) {
  bool ahead = true;
  if (*text == '+' || *text == '-') {
    ahead = *text == '+';
    ++text;
  }
  SignedAngle zone;
  if (!parse_clock(text, zone.whole, zone.sixtieths)) return false;
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

bool parse_whole_number(const char* text, int& value) {
  return take_digits(text, value) && *text == '\0';
}

bool parse_fold(const char* text, ZoneFold& fold) {
  if (std::strcmp(text, "earlier") == 0)
    fold = fold_earlier;
  else if (std::strcmp(text, "later") == 0)
    fold = fold_later;
  else
    return false;
  return true;
}

// A text option that an empty value would leave unset.
bool take_text(const char* text, std::string& value) {
  value = text;
  return !value.empty();
}

struct OptionValue {
  const char* name;
  const char* expected;  // shown when the value is malformed
};

const OptionValue ValueOptions[] = {
    {"--format", nullptr},  // the format table's names
    {"--scale", "1, 2, 3 or 4"},
    {"--style", "south or north"},
    {"--output", "a file name"},
    {"--date", "YYYY-MM-DD with a month from 01 to 12"},
    {"--time", "HH:MM"},
    {"--utc-offset", "+HH:MM or -HH:MM"},
    {"--lon", "DDD{E|W}MM, e.g. 077E13"},
    {"--lat", "DD{N|S}MM, e.g. 28N38"},
    {"--name", "a text"},
    {"--place", "a text"},
    {"--file", "a chart file name"},
    {"--line", "a line number from 0"},
    {"--on", "a calendar date YYYY-MM-DD"},
    {"--zone", "a time-zone name, e.g. Asia/Kolkata"},
    {"--fold", "earlier or later"},
    {"--city", "a place name"},
    {"--find", "a place name"},
    {"--append", "a chart file name"},
};

bool apply_value(const char* name, const char* value, PrintOptions& options) {
  if (std::strcmp(name, "--format") == 0) {
    const OutputFormat* format = format_named(value);
    if (format != nullptr) options.format = format;
    return format != nullptr;
  }
  if (std::strcmp(name, "--scale") == 0) {
    options.has_scale = true;
    return parse_whole_number(value, options.scale) && options.scale >= 1 &&
           options.scale <= 4;
  }
  if (std::strcmp(name, "--style") == 0) {
    if (std::strcmp(value, "south") == 0)
      options.chart_style = 0;
    else if (std::strcmp(value, "north") == 0)
      options.chart_style = 1;
    else
      return false;
    return true;
  }
  if (std::strcmp(name, "--output") == 0) {
    options.output = value;
    return !options.output.empty();
  }
  if (std::strcmp(name, "--date") == 0) {
    options.has_date =
        parse_date(value, options.chart.year, options.chart.month, options.chart.day);
    return options.has_date;
  }
  if (std::strcmp(name, "--on") == 0) {
    options.has_on =
        parse_date(value, options.on_year, options.on_month, options.on_day) &&
        is_calendar_day(options.on_year, options.on_month, options.on_day);
    return options.has_on;
  }
  if (std::strcmp(name, "--time") == 0) {
    options.has_time = parse_clock(value, options.chart.hour, options.chart.minute);
    return options.has_time;
  }
  if (std::strcmp(name, "--utc-offset") == 0) {
    options.has_utc_offset = parse_utc_offset(value, options.chart);
    return options.has_utc_offset;
  }
  SignedAngle angle;
  if (std::strcmp(name, "--lon") == 0) {
    options.has_longitude = parse_angle(value, 'W', 'E', angle);
    if (options.has_longitude) set_longitude(options.chart, angle);
    return options.has_longitude;
  }
  if (std::strcmp(name, "--lat") == 0) {
    options.has_latitude = parse_angle(value, 'N', 'S', angle);
    if (options.has_latitude) set_latitude(options.chart, angle);
    return options.has_latitude;
  }
  if (std::strcmp(name, "--name") == 0) {
    options.name = value;
    return true;
  }
  if (std::strcmp(name, "--place") == 0) {
    options.place = value;
    options.has_place = true;
    return true;
  }
  if (std::strcmp(name, "--file") == 0) return take_text(value, options.chart_file);
  if (std::strcmp(name, "--zone") == 0) return take_text(value, options.zone);
  if (std::strcmp(name, "--fold") == 0) return parse_fold(value, options.fold);
  if (std::strcmp(name, "--city") == 0) return take_text(value, options.city);
  if (std::strcmp(name, "--find") == 0) return take_text(value, options.find);
  if (std::strcmp(name, "--append") == 0) return take_text(value, options.append);
  return parse_whole_number(value, options.line);
}

// Combinations that no single chart source can satisfy.
bool check_combination(const PrintOptions& options, bool chart_option_given,
                       int options_given, std::string& error) {
  if (options.help || options.version) return true;
  if (!options.find.empty()) {
    if (options_given == 1) return true;
    error = "--find lists places and computes no chart: no other option with it";
    return false;
  }
  if (options.has_on && !options.format->answers_on) {
    error = "--on answers in " + format_names(", ", " or ", &OutputFormat::answers_on) +
            ", not in a picture";
    return false;
  }
  if (!options.chart_file.empty()) {
    if (chart_option_given) {
      error =
          "--file takes the charts from the file: no --date, --time, --utc-offset, "
          "--zone, --fold, --city, --lon, --lat, --name, --place or --append with it";
      return false;
    }
    if (options.format->between_charts == nullptr && options.line < 0) {
      error = std::string("--format ") + options.format->name +
              " draws one chart: give --line with --file";
      return false;
    }
  }
  if (options.format->binary && options.output.empty()) {
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
  if (!options.zone.empty() && options.has_utc_offset) {
    error = "--zone and --utc-offset exclude each other: give one";
    return false;
  }
  if (options.fold != fold_refused && options.zone.empty() && options.city.empty()) {
    error = "--fold needs --zone or --city";
    return false;
  }
  return true;
}

}  // namespace

ChartInput chart_input_of(const PrintOptions& options) {
  ChartInput input = options.chart;
  store_text(input.name, options.name);
  store_text(input.place, options.place);
  return input;
}

ParseOutcome parse_print_options(int argc, const char* const* argv, PrintOptions& options,
                                 std::string& error) {
  options = PrintOptions{};
  bool chart_option_given = false;
  int options_given = 0;
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    if (argument == "--help") {
      options.help = true;
      continue;
    }
    if (argument == "--version") {
      options.version = true;
      continue;
    }
    std::string name = argument;
    const char* value = nullptr;
    std::string inline_value;
    std::size_t equals = argument.find('=');
    if (argument.rfind("--", 0) == 0 && equals != std::string::npos) {
      name = argument.substr(0, equals);
      inline_value = argument.substr(equals + 1);
      value = inline_value.c_str();
    }
    const OptionValue* option = nullptr;
    for (const OptionValue& candidate : ValueOptions)
      if (name == candidate.name) option = &candidate;
    if (option == nullptr) {
      error = argument.rfind('-', 0) == 0 ? "unknown option '" + argument + "'"
                                          : "unexpected argument '" + argument + "'";
      return parse_refused;
    }
    if (value == nullptr) {
      if (i + 1 >= argc) {
        error = name + " needs a value";
        return parse_refused;
      }
      value = argv[++i];
    }
    if (!apply_value(option->name, value, options)) {
      const std::string expected =
          option->expected != nullptr ? option->expected : format_names(", ", " or ");
      error = name + ": expected " + expected + ", not '" + value + "'";
      return parse_refused;
    }
    ++options_given;
    static const char* const ChartOptions[] = {
        "--date", "--time", "--utc-offset", "--zone",  "--fold",  "--city",
        "--lon",  "--lat",  "--name",       "--place", "--append"};
    for (const char* chart_option : ChartOptions)
      if (name == chart_option) chart_option_given = true;
  }
  return check_combination(options, chart_option_given, options_given, error)
             ? parse_ok
             : parse_refused;
}
