#include "cli/offset_basis.h"

const char* basis_source(const OffsetBasis& basis) {
  if (basis.zone.empty()) return "given";
  return basis.offset.local_mean_time ? "local mean time" : "rule";
}

void append_basis_text(std::string& out, const OffsetBasis& basis) {
  const ZoneOffset& offset = basis.offset;
  out += "UTC offset " + utc_offset_text(offset.minutes);
  if (basis.zone.empty()) {
    out += " given\n";
    return;
  }
  if (offset.local_mean_time) {
    out += ", local mean time at " + longitude_text(basis.longitude) + " (" + basis.zone +
           " gives LMT)";
  } else {
    out += " from " + basis.zone + " (" + offset.abbreviation;
    // A chart holds whole minutes: an offset with seconds is rounded.
    if (offset.database_seconds != offset.minutes * 60L)
      out += " " + seconds_offset_text(offset.database_seconds) + " to the minute";
    out += ")";
  }
  out += ", tzdata " + basis.tzdata + "\n";
}
