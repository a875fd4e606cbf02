#include "cli/bash_completion.h"

#include <utility>
#include <vector>

#include "cli/print_help.h"
#include "cli/print_options.h"

namespace {

// "-T | --format", or "--scale" for an option without a short name.
std::string case_pattern(const PrintOption& option) {
  std::string pattern = std::string("--") + option.name;
  if (option.letter != '\0') pattern = std::string("-") + option.letter + " | " + pattern;
  return pattern;
}

// What the case arm of a value offers.
std::string value_completion(const PrintOption& option) {
  switch (option.kind) {
    case ValueKind::format:
    case ValueKind::report:
    case ValueKind::varga:
    case ValueKind::choice:
      return "COMPREPLY=($(compgen -W '" + option_choices(option, " ") +
             "' -- \"$cur\"))";
    case ValueKind::file:
      return "_filedir";
    case ValueKind::zone:
      return "COMPREPLY=($(compgen -W \"$(_vantrel_print_zones)\" -- \"$cur\"))";
    default:
      return "";  // a date, a number or a text: nothing to offer
  }
}

}  // namespace

std::string bash_completion_script() {
  std::string script =
      "# bash completion for vantrel-print, written from its option table\n"
      "\n"
      "# The zone and link names of the system's time-zone database.\n"
      "_vantrel_print_zones()\n"
      "{\n"
      "    local zones=/usr/share/zoneinfo/tzdata.zi\n"
      "    [[ -r $zones ]] && awk '$1 == \"Z\" { print $2 } $1 == \"L\" { print $3 }' "
      "\"$zones\"\n"
      "}\n"
      "\n"
      "_vantrel_print()\n"
      "{\n"
      "    local cur prev words cword split\n"
      "    _init_completion -s || return\n"
      "\n"
      "    case $prev in\n";
  // One arm for each way of completing a value, with every option that
  // takes it.
  std::vector<std::pair<std::string, std::string>> arms;  // completion, patterns
  std::string options;
  for (int i = 0; i < print_option_count; ++i) {
    const PrintOption& option = PrintOptionTable[i];
    options += std::string(options.empty() ? "" : " ") + "--" + option.name;
    if (option.letter != '\0') options += std::string(" -") + option.letter;
    if (option.kind == ValueKind::none) continue;
    const std::string completion = value_completion(option);
    std::size_t arm = 0;
    while (arm < arms.size() && arms[arm].first != completion) ++arm;
    if (arm == arms.size()) arms.emplace_back(completion, "");
    std::string& patterns = arms[arm].second;
    patterns += (patterns.empty() ? "" : " | ") + case_pattern(option);
  }
  for (const auto& [completion, patterns] : arms)
    script += "        " + patterns + ")\n" +
              (completion.empty() ? "" : "            " + completion + "\n") +
              "            return\n            ;;\n";
  return script +
         "    esac\n"
         "    $split && return\n"
         "\n"
         "    if [[ $cur == -* ]]; then\n"
         "        COMPREPLY=($(compgen -W '" +
         options +
         "' -- \"$cur\"))\n"
         "    fi\n"
         "} &&\n"
         "    complete -F _vantrel_print vantrel-print\n"
         "\n"
         "# ex: filetype=sh\n";
}
