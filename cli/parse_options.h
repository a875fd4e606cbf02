#pragma once

#include <string>

#include "cli/print_options.h"

enum ParseOutcome : int { parse_ok = 0, parse_refused };

// Fills options from argv[1..argc-1] through getopt_long. Binary formats go
// to standard output only when it is no terminal. A refusal leaves a
// one-line reason in error, without the program's name.
ParseOutcome parse_print_options(int argc, const char* const* argv,
                                 bool output_is_terminal, PrintOptions& options,
                                 std::string& error);
