#pragma once

#include <string>

#include "base/signed_angle.h"
#include "entry/chart_data_entries.h"
#include "places/atlas.h"

// What the Chart Data dialog's Find writes for a chosen place: the place's
// name and coordinates always, and the zone in force at the dialog's date
// and time, computed as vantrel-print --zone computes it.
struct PlaceFill {
  std::string place;  // cut at a whole character to the bytes kept
  SignedAngle longitude;
  SignedAngle latitude;
  enum ZoneFill {
    zone_set,    // zone
    zone_twice,  // the time happened twice: ask between earlier and later
    zone_kept    // message says why the zone fields stay as they are
  } zone_fill = zone_kept;
  SignedAngle zone;  // the chart's way round: "-" ahead of Universal Time
  SignedAngle earlier;
  SignedAngle later;
  std::string earlier_text;  // "-04:00 (EDT)"
  std::string later_text;
  std::string message;  // zone_twice: the question; zone_kept: why
};

PlaceFill fill_for_place(const AtlasPlace& place, const ChartDataEntries& entries);

// The alert when Find finds nothing for the text.
std::string no_place_message(const std::string& text);
