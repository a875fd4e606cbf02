#include "cli/birth_data.h"

#include <cstdlib>

#include "cli/find_places.h"
#include "cli/print_command.h"

namespace {

int signed_minutes(const SexagesimalValue& offset) {
  return (offset.whole * 60 + offset.sixtieths) * (offset.east_or_south ? 1 : -1);
}

SexagesimalValue offset_value(int minutes) {
  SexagesimalValue offset;
  offset.whole = std::abs(minutes) / 60;
  offset.sixtieths = std::abs(minutes) % 60;
  offset.east_or_south = minutes > 0;
  return offset;
}

}  // namespace

const char* basis_source(const OffsetBasis& basis) {
  if (basis.zone.empty()) return "given";
  return basis.offset.local_mean_time ? "local mean time" : "rule";
}

int apply_city(PrintOptions& options, std::string& error) {
  AtlasPlace place;
  const int status = find_one_place(options.city, place, error);
  if (status != print_status_ok) return status;
  if (!options.has_longitude) options.longitude = longitude_of(place);
  if (!options.has_latitude) options.latitude = latitude_of(place);
  if (!options.has_place) options.place = place.name;
  if (options.zone.empty() && !options.has_utc_offset) options.zone = place.zone;
  return print_status_ok;
}

int apply_zone(PrintOptions& options, OffsetBasis& basis, std::string& error) {
  basis.shown = true;
  basis.zone = options.zone;
  basis.longitude = options.longitude;
  if (options.zone.empty()) {
    basis.offset.minutes = signed_minutes(options.utc_offset);
    return print_status_ok;
  }
  const int status = zone_offset_at(options, basis.offset, error);
  if (status != print_status_ok) return status;
  basis.tzdata = tzdata_version();
  options.utc_offset = offset_value(basis.offset.minutes);
  return print_status_ok;
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
