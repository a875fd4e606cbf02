#pragma once

#include <string_view>
#include <vector>

#include "places/atlas.h"

// The places a typed text names.
struct PlaceMatches {
  enum Outcome {
    found,    // places: every match, most populous first
    none,     // places: the nearest names, nearest first
    too_long  // longer than any place name: not searched
  } outcome = none;
  std::vector<AtlasPlace> places;
};

// The places that --city, --find and the Chart Data dialog's Find take a
// text to name, tried in this order, the first that matches any place
// winning: the whole text as a name ("Washington, D.C."); "Name, CC" (an
// ISO country code, else a first-level region); "Name, Region, CC", the
// region by GeoNames code, name, ISO 3166-2 code or its last part ("Mumbai,
// 16, IN", "Mumbai, Maharashtra, IN", "Mumbai, IN-MH, IN", "Mumbai, MH, IN").
// A name matches a place by any of its names, alternate and historic ones
// too, folded as folded_name folds them.
PlaceMatches look_up_place(const Atlas& atlas, std::string_view text);
