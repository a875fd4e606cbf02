#include "cli/print_options.h"

#include <cstring>

const char* const print_usage_text =
    "usage: vantrel-print [--format text|json|svg|png|pdf] [--scale N] [--style "
    "south|north]\n"
    "                     [--output FILE] --date YYYY-MM-DD --time HH:MM [--utc-offset "
    "+HH:MM]\n"
    "                     [--lon DDD{E|W}MM] [--lat DD{N|S}MM] [--name TEXT] [--place "
    "TEXT]\n"
    "       vantrel-print [--format ...] [--style ...] [--output FILE] --file CHARTS "
    "[--line N]\n"
    "       vantrel-print --help | --version\n";

const char* const print_help_text =
    "Prints a sidereal chart as the Vantrel window draws it: header, house diagram,\n"
    "planet table, navamsha signs and Vimshottari dashas.\n"
    "\n"
    "  --format FORMAT         text (default), json (JSON Lines), or a picture:\n"
    "                          svg, png or pdf (png and pdf need --output)\n"
    "  --scale N               png pixels per window pixel, 1 to 4 (default 1)\n"
    "  --style south|north     house diagram style (default south)\n"
    "  --output FILE           write FILE, replaced whole only when complete\n"
    "  --date YYYY-MM-DD       civil date, years 1600 to 2400\n"
    "  --time HH:MM            local clock time\n"
    "  --utc-offset +HH:MM     local time minus Universal Time, east positive\n"
    "                          (India is +05:30; default 00:00)\n"
    "  --lon DDD{E|W}MM        longitude, e.g. 077E13 (default 000W00)\n"
    "  --lat DD{N|S}MM         latitude, e.g. 28N38 (default 00N00)\n"
    "  --name TEXT             chart name, at most 23 bytes kept\n"
    "  --place TEXT            place name, at most 23 bytes kept\n"
    "  --file CHARTS           print the charts of a Vantrel chart file\n"
    "  --line N                only line N of it, counted from 0 (needed for\n"
    "                          the pictures)\n"
    "  --help                  this text\n"
    "  --version               the program's version\n"
    "\n"
    "Exit status: 0 printed, 1 a chart line or the output failed, 2 refused options.\n";

const char* const PrintFormatNames[5] = {"text", "json", "svg", "png", "pdf"};

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

bool parse_date(const char* text, PrintOptions& options) {
  if (!take_digits(text, options.year) || !take_char(text, '-') ||
      !take_digits(text, options.month) || !take_char(text, '-') ||
      !take_digits(text, options.day) || *text != '\0') {
    return false;
  }
  // The dialog picks the month from a list, so no month check exists there.
  return options.month >= 1 && options.month <= 12;
}

bool parse_clock(const char* text, int& hours, int& minutes) {
  return take_digits(text, hours) && take_char(text, ':') && take_digits(text, minutes) &&
         *text == '\0';
}

bool parse_utc_offset(const char* text, SexagesimalValue& value) {
  bool ahead = true;
  if (*text == '+' || *text == '-') {
    ahead = *text == '+';
    ++text;
  }
  if (!parse_clock(text, value.whole, value.sixtieths)) return false;
  value.east_or_south = ahead;
  return true;
}

// Degrees, a side letter (either case) and minutes, e.g. 077E13 or 28s38.
bool parse_angle(const char* text, char first_side, char second_side,
                 SexagesimalValue& value) {
  if (!take_digits(text, value.whole)) return false;
  char side = *text;
  if (side >= 'a' && side <= 'z') side = static_cast<char>(side - 'a' + 'A');
  if (side != first_side && side != second_side) return false;
  ++text;
  if (!take_digits(text, value.sixtieths) || *text != '\0') return false;
  value.east_or_south = side == second_side;
  return true;
}

bool parse_whole_number(const char* text, int& value) {
  return take_digits(text, value) && *text == '\0';
}

struct OptionValue {
  const char* name;
  const char* expected;  // shown when the value is malformed
};

const OptionValue ValueOptions[] = {
    {"--format", "text, json, svg, png or pdf"},
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
};

bool apply_value(const char* name, const char* value, PrintOptions& options) {
  if (std::strcmp(name, "--format") == 0) {
    for (int format = print_text; format <= print_pdf; ++format) {
      if (std::strcmp(value, PrintFormatNames[format]) == 0) {
        options.format = static_cast<PrintFormat>(format);
        return true;
      }
    }
    return false;
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
    options.has_date = parse_date(value, options);
    return options.has_date;
  }
  if (std::strcmp(name, "--time") == 0) {
    options.has_time = parse_clock(value, options.hour, options.minute);
    return options.has_time;
  }
  if (std::strcmp(name, "--utc-offset") == 0)
    return parse_utc_offset(value, options.utc_offset);
  if (std::strcmp(name, "--lon") == 0)
    return parse_angle(value, 'W', 'E', options.longitude);
  if (std::strcmp(name, "--lat") == 0)
    return parse_angle(value, 'N', 'S', options.latitude);
  if (std::strcmp(name, "--name") == 0) {
    options.name = value;
    return true;
  }
  if (std::strcmp(name, "--place") == 0) {
    options.place = value;
    return true;
  }
  if (std::strcmp(name, "--file") == 0) {
    options.chart_file = value;
    return !options.chart_file.empty();
  }
  return parse_whole_number(value, options.line);
}

// Combinations that no single chart source can satisfy.
bool check_combination(const PrintOptions& options, bool chart_option_given,
                       std::string& error) {
  if (options.help || options.version) return true;
  if (!options.chart_file.empty()) {
    if (chart_option_given) {
      error =
          "--file takes the charts from the file: no --date, --time, --utc-offset, "
          "--lon, --lat, --name or --place with it";
      return false;
    }
    if (options.format >= print_svg && options.line < 0) {  // a picture
      error = std::string("--format ") + PrintFormatNames[options.format] +
              " draws one chart: give --line with --file";
      return false;
    }
  }
  if (is_binary_format(options.format) && options.output.empty()) {
    error = std::string("--format ") + PrintFormatNames[options.format] +
            " writes binary data: give --output FILE";
    return false;
  }
  if (options.has_scale && options.format != print_png) {
    error = "--scale is for --format png";
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
  return true;
}

}  // namespace

ParseOutcome parse_print_options(int argc, const char* const* argv, PrintOptions& options,
                                 std::string& error) {
  options = PrintOptions{};
  bool chart_option_given = false;
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
      error = name + ": expected " + option->expected + ", not '" + value + "'";
      return parse_refused;
    }
    static const char* const ChartOptions[] = {
        "--date", "--time", "--utc-offset", "--lon", "--lat", "--name", "--place"};
    for (const char* chart_option : ChartOptions)
      if (name == chart_option) chart_option_given = true;
  }
  return check_combination(options, chart_option_given, error) ? parse_ok : parse_refused;
}
