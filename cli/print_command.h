#pragma once

#include <cstdio>

#include "cli/print_status.h"

// The whole vantrel-print command: parses argv, computes and prints the
// chart or the charts of a file (of in for "--file -"). Messages go to err,
// each after "vantrel-print: ".
int run_print_command(int argc, const char* const* argv, std::FILE* in, std::FILE* out,
                      std::FILE* err);
