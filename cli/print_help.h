#pragma once

#include <string>

struct PrintOption;

// The words a value may be, joined by separator (and before the last by
// last_separator): the format table's names for --format, the report
// table's for --report, a choice's own words; empty for other values.
std::string option_choices(const PrintOption& option, const char* separator,
                           const char* last_separator = nullptr);

// The usage lines, and the help text after them, both written from the
// option table.
std::string print_usage_text();
std::string print_help_text();
