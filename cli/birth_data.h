#pragma once

#include <string>

#include "cli/print_options.h"
#include "cli/time_zone.h"

// Where a chart's offset from Universal Time came from, said under the chart
// once --zone or --city is given.
struct OffsetBasis {
  bool shown = false;
  std::string zone;   // empty: the offset was given
  ZoneOffset offset;  // minutes always; the rest only from a zone
  std::string tzdata;
  SexagesimalValue longitude;  // the place of a local mean time
};

// "given", "rule" (the zone's, with its abbreviation) or "local mean time".
const char* basis_source(const OffsetBasis& basis);

// --city: the place's longitude, latitude, zone and name into the options
// that were not typed. Returns a print status; error says why on refusal.
int apply_city(PrintOptions& options, std::string& error);

// The offset of the zone (typed, or the city's) into options.utc_offset,
// and its basis. Returns a print status; error says why on refusal.
int apply_zone(PrintOptions& options, OffsetBasis& basis, std::string& error);

// The line under a chart in text that says where its offset came from.
void append_basis_text(std::string& out, const OffsetBasis& basis);
