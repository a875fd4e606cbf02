#pragma once

#include <cstdio>

// Exit statuses of vantrel-print.
constexpr int print_status_ok = 0;
constexpr int print_status_failed = 1;   // a chart line, the chart file or the output
constexpr int print_status_refused = 2;  // the options or their values

// The whole vantrel-print command over ChartState: parses argv, computes and
// prints the chart or the charts of a file. Messages go to err, each after
// "vantrel-print: ".
int run_print_command(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
