#pragma once

#include <string>

struct PrintOption;

// The words a value may be, joined by separator: the format table's names
// for --format, a choice's own words; empty for other values.
std::string option_choices(const PrintOption& option, const char* separator);

// The usage lines, and the help text after them, both written from the
// option table.
std::string print_usage_text();
std::string print_help_text();
