#pragma once

#include <string>

#include "base/signed_angle.h"
#include "places/zone_offset.h"

// Where a chart's offset from Universal Time came from, said under the chart
// once --zone or --city is given.
struct OffsetBasis {
  bool shown = false;
  std::string zone;   // empty: the offset was given
  ZoneOffset offset;  // minutes always; the rest only from a zone
  std::string tzdata;
  SignedAngle longitude;  // the place of a local mean time
};

// "given", "rule" (the zone's, with its abbreviation) or "local mean time".
const char* basis_source(const OffsetBasis& basis);

// The line under a chart in text that says where its offset came from.
void append_basis_text(std::string& out, const OffsetBasis& basis);
