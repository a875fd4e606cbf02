#include "cli/birth_data.h"

#include "cli/find_places.h"
#include "cli/print_status.h"

int apply_city(PrintOptions& options, std::string& notice, std::string& error) {
  AtlasPlace place;
  const int status = find_one_place(options.city, place, notice, error);
  if (status != print_status_ok) return status;
  if (!options.has_longitude) set_longitude(options.chart, longitude_of(place));
  if (!options.has_latitude) set_latitude(options.chart, latitude_of(place));
  if (!options.has_place) options.place = place.name;
  if (options.zone.empty() && !options.has_utc_offset) options.zone = place.zone;
  return print_status_ok;
}

int apply_zone(PrintOptions& options, OffsetBasis& basis, std::string& error) {
  basis.shown = true;
  basis.zone = options.zone;
  basis.longitude = longitude_angle(options.chart);
  // East of Greenwich, as offsets are usually written: the chart's zone the
  // other way round.
  if (options.zone.empty()) {
    basis.offset.minutes = static_cast<int>(-signed_minutes(zone_angle(options.chart)));
    return print_status_ok;
  }
  // A city gives its longitude, as --lon does.
  const bool longitude_known = options.has_longitude || !options.city.empty();
  const ZoneAnswer answer =
      zone_offset_at({options.zone, options.chart, options.fold, longitude_known});
  switch (answer.outcome) {
    case ZoneAnswer::found:
      break;
    case ZoneAnswer::twice:
      error = answer.message + ": choose with --fold earlier or --fold later";
      return print_status_refused;
    case ZoneAnswer::needs_longitude:
      error = answer.message + ": give --lon";
      return print_status_refused;
    case ZoneAnswer::failed:
      error = "time-zone database: " + answer.message;
      return print_status_failed;
    default:
      error = answer.message;
      return print_status_refused;
  }
  basis.zone = answer.zone;
  basis.offset = answer.offset;
  basis.tzdata = answer.tzdata;
  set_zone(options.chart, angle_of_minutes(-basis.offset.minutes));
  return print_status_ok;
}
