#pragma once

#include <cstddef>

#include "chart/chart.h"

// A body as the diagrams show it: abbreviation, "R" when marked retrograde,
// a blank and the whole degrees within its sign, e.g. "Ma 5" or "SaR 23".
constexpr std::size_t body_label_size = 8;
void format_body_label(char (&area)[body_label_size], const Chart& chart, int body);

// A body as the planet table names it: abbreviation, then "R" when marked.
void format_body_name(char (&area)[body_label_size], const Chart& chart, int body);

// A body's item of the navamsha line, trailing blank included, e.g. "Ma:10 ".
void format_navamsha_item(char (&area)[body_label_size], const Chart& chart, int body);
