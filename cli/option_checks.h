#pragma once

#include <string>
#include <vector>

#include "cli/print_options.h"

// Combinations of options that no single run can satisfy, given which rows
// of the option table were given; false, error saying why, on refusal.
// Binary formats go to standard output only when it is no terminal.
bool check_combination(const PrintOptions& options, const std::vector<bool>& given,
                       bool output_is_terminal, std::string& error);
