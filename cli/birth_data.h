#pragma once

#include <string>

#include "cli/offset_basis.h"
#include "cli/print_options.h"

// --city: the place's longitude, latitude, zone and name into the options
// that were not typed. Returns a print status; error says why on refusal,
// notice which place was taken of several.
int apply_city(PrintOptions& options, std::string& notice, std::string& error);

// The offset of the zone (typed, or the city's) into the options' chart, and
// its basis. Returns a print status; error says why on refusal.
int apply_zone(PrintOptions& options, OffsetBasis& basis, std::string& error);
