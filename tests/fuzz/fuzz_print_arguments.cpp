// vantrel-print's argument parsing on any command line: every argument list
// is either refused with a reason or parsed into values the printer can take.
// A parsed chart from the command line is then printed whole (to /dev/null);
// --file, --output and --append are parsed but not followed, since they name
// real files, and --find lists places and prints no chart.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/parse_options.h"
#include "cli/print_command.h"
#include "cli/print_options.h"
#include "fuzz/fuzz_checks.h"

namespace {
std::FILE* discard = nullptr;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The programs find the atlas from their folder; this one is elsewhere.
  setenv("VANTREL_ATLAS", VANTREL_BUILD_ATLAS, 0);
  discard = std::fopen("/dev/null", "w");
  if (discard == nullptr) std::abort();
  return 0;
}

// The input is the arguments after the program's name, each ended by a NUL.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> arguments = {"vantrel-print"};
  std::string current;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\0') {
      arguments.push_back(current);
      current.clear();
    } else {
      current += static_cast<char>(data[i]);
    }
  }
  if (!current.empty()) arguments.push_back(current);
  if (arguments.size() > 64) return 0;
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(arguments.size());

  PrintOptions options;
  std::string error;
  if (parse_print_options(argc, argv.data(), true, options, error) != parse_ok) {
    fuzz_require(!error.empty(), "a refusal without a reason");
    return 0;
  }
  fuzz_require(options.format >= OutputFormats &&
                   options.format < OutputFormats + output_format_count,
               "unknown format");
  fuzz_require(options.scale >= 1 && options.scale <= 4, "scale");
  fuzz_require(!options.format->binary || !options.output.empty(),
               "binary data for a terminal");
  fuzz_require(options.chart_style == 0 || options.chart_style == 1, "unknown style");
  fuzz_require(options.line >= -1, "negative line number");
  fuzz_require(options.help || options.version || !options.chart_file.empty() ||
                   !options.find.empty() || (options.has_date && options.has_time),
               "a chart without its date and time");
  const ChartInput& chart = options.chart;
  if (options.has_date) fuzz_require(chart.month >= 1 && chart.month <= 12, "month");
  for (const SignedAngle& value :
       {zone_angle(chart), longitude_angle(chart), latitude_angle(chart)}) {
    fuzz_require(value.whole >= 0 && value.sixtieths >= 0, "negative part of a value");
  }

  if (!options.output.empty() || !options.chart_file.empty() || !options.append.empty() ||
      !options.find.empty())
    return 0;
  const int status = run_print_command(argc, argv.data(), nullptr, discard, discard);
  fuzz_require(status == print_status_ok || status == print_status_refused,
               "a command-line chart neither printed nor refused");
  return 0;
}
