#pragma once

// Exit statuses of vantrel-print.
constexpr int print_status_ok = 0;
constexpr int print_status_failed = 1;   // a chart line, a file, the output or the system
constexpr int print_status_refused = 2;  // the options or their values
