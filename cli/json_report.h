#pragma once

#include <optional>
#include <string>

#include "cli/birth_data.h"

// The chart of ChartState as one line of JSON (newline included) with the
// keys "name", "place", "date_line", "place_line", "julian_day", "bodies",
// "dashas", "basis" when one is shown (where the offset came from), "balance"
// and, for on_day, "running". Doubles read back exactly; bytes that are not
// UTF-8 become U+FFFD.
void append_json_report(std::string& out, const OffsetBasis* basis,
                        std::optional<double> on_day);
