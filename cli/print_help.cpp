#include "cli/print_help.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "chart/vargas.h"
#include "cli/print_options.h"
#include "cli/text_lines.h"

std::string option_choices(const PrintOption& option, const char* separator,
                           const char* last_separator) {
  if (last_separator == nullptr) last_separator = separator;
  if (option.kind == ValueKind::format) return format_names(separator, last_separator);
  if (option.kind == ValueKind::report) return report_names(separator, last_separator);
  if (option.kind == ValueKind::varga) {
    std::vector<std::string> divisions;
    for (const Varga& varga : Vargas) divisions.push_back(std::to_string(varga.division));
    return joined_words(divisions, separator, last_separator);
  }
  if (option.kind != ValueKind::choice) return "";
  std::vector<std::string> words;
  std::string word;
  for (const char* c = option.value;; ++c) {
    if (*c != '|' && *c != '\0') {
      word += *c;
      continue;
    }
    words.push_back(word);
    word.clear();
    if (*c == '\0') break;
  }
  return joined_words(words, separator, last_separator);
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

// An option of a usage line: "--date YYYY-MM-DD", "[--scale N]"; a choice
// already spelled out above is "...".
std::string usage_item(const PrintOption& option, bool choices_shown) {
  std::string item = option_long_name(option);
  if (option.kind != ValueKind::none) {
    // Sixteen numbers would fill the line: "N" stands for them.
    const std::string choices =
        option.kind == ValueKind::varga ? "" : option_choices(option, "|");
    item += " " + (choices.empty() ? option.value : choices_shown ? "..." : choices);
  }
  return option.required ? item : "[" + item + "]";
}

}  // namespace

std::string print_usage_text() {
  const std::string program = "vantrel-print ";
  const std::string indent = "       ";
  struct Form {
    const char* lead;  // what the form begins with beyond options, "" for none
    OptionGroup groups[2];
    int group_count;
    std::vector<std::string> others;  // options of other groups it takes
  };
  const Form forms[] = {
      {"", {OptionGroup::output, OptionGroup::chart}, 2, {}},
      {"", {OptionGroup::output, OptionGroup::file}, 2, {}},
      {"", {OptionGroup::transits}, 1, {"zone", "utc-offset", "format", "output"}},
      {"--report panchanga",
       {OptionGroup::transits},
       0,
       {"from", "to", "sunrise", "city", "lon", "lat", "zone", "utc-offset", "format",
        "output"}},
      {"", {OptionGroup::find}, 1, {}}};
  std::string text;
  for (const Form& form : forms) {
    text += (text.empty() ? "usage: " : indent) + program;
    const std::size_t column = indent.size() + program.size();
    std::vector<std::string> items;
    if (*form.lead != '\0') items.emplace_back(form.lead);
    for (int g = 0; g < form.group_count; ++g)
      for (const PrintOption& option : print_option_rows())
        if (option.group == form.groups[g])
          items.push_back(usage_item(option, &form != forms));
    for (const PrintOption& option : print_option_rows())
      if (std::find(form.others.begin(), form.others.end(), option.name) !=
          form.others.end())
        items.push_back(usage_item(option, true));
    append_wrapped(text, items, column);
    text += '\n';
  }
  text += indent + program;
  const char* separator = "";
  for (const PrintOption& option : print_option_rows()) {
    if (option.group != OptionGroup::info) continue;
    text += separator + option_long_name(option);
    separator = " | ";
  }
  return text + '\n';
}

std::string print_help_text() {
  constexpr std::size_t column = 28;
  std::string text =
      "Prints a sidereal chart as the Vantrel window draws it: header, house diagram,\n"
      "planet table, navamsha signs and Vimshottari dashas.\n\n";
  for (const PrintOption& option : print_option_rows()) {
    std::string head = option.letter != '\0' ? std::string("  -") + option.letter + ", "
                                             : std::string(6, ' ');
    head += option_long_name(option);
    if (option.kind != ValueKind::none) head += std::string(" ") + option.value;
    text += head;
    if (head.size() + 2 > column) text += "\n";
    text.append(column - (text.size() - (text.rfind('\n') + 1)), ' ');
    std::string help = option.help != nullptr ? option.help : "";
    if (option.kind == ValueKind::format) {
      help = format_names(", ", " or ") + " (default " + OutputFormats[0].name + "); " +
             format_names(", ", " and ", &OutputFormat::binary) +
             " go to standard output only when it is not a terminal";
    } else if (option.kind == ValueKind::report) {
      help = "print one report of each chart and nothing else, as text or json: " +
             report_names(", ", " or ");
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
