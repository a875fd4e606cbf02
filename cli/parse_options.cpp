#include "cli/parse_options.h"

#include <getopt.h>

#include <cstring>
#include <vector>

#include "cli/option_checks.h"
#include "cli/print_help.h"

namespace {

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
  if (code == ':' && row >= 0)
    return option_long_name(PrintOptionTable[row]) + " needs a value";
  if (row >= 0) return option_long_name(PrintOptionTable[row]) + " takes no value";
  if (optopt != 0)
    return std::string("unknown option '-") + static_cast<char>(optopt) + "'";
  const std::string typed = argument;
  const std::string prefix = typed.substr(2, typed.find('=') - 2);
  std::string matches;
  for (const PrintOption& option : print_option_rows())
    if (std::strncmp(option.name, prefix.c_str(), prefix.size()) == 0)
      matches += (matches.empty() ? "" : ", ") + option_long_name(option);
  if (matches.empty()) return "unknown option '" + typed + "'";
  return "'--" + prefix + "' is ambiguous: " + matches;
}

}  // namespace

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
      error = option_long_name(option) + " is given twice: give it once";
      return parse_refused;
    }
    given[row] = true;
    const char* value = optarg != nullptr ? optarg : "";
    if (!option.apply(value, options)) {
      const std::string expected = option.expected != nullptr
                                       ? std::string(option.expected)
                                       : option_choices(option, ", ", " or ");
      error =
          option_long_name(option) + ": expected " + expected + ", not '" + value + "'";
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
