#pragma once

#include <optional>
#include <string>

// The chart of ChartState as text, with the strings the window draws: the
// header's three lines, the house diagram of its chart_style as a text
// picture, the planet table, the navamsha line and the dasha listing. Every
// line ends in a newline; the report holds no blank line of its own. After
// the listing, the balance of the birth major period and, for on_day (the
// listing's day scale), the period running then.
void append_text_report(std::string& out, std::optional<double> on_day);
