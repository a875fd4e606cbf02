#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/signed_angle.h"

// One place of the offline atlas (share/atlas/places.tsv, from GeoNames).
struct AtlasPlace {
  std::string name;      // as GeoNames writes it, UTF-8
  std::string region;    // GeoNames first-level region code, e.g. "CA"; may be empty
  std::string country;   // ISO 3166 code, e.g. "US"
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
  std::string zone;      // IANA time-zone name
  long population = 0;
};

// "Name", "Name, CC" or "Name, Region, CC"; the name folded for matching.
struct PlaceQuery {
  std::string name;
  std::string region;   // empty: any
  std::string country;  // empty: any
};

PlaceQuery parse_place_query(std::string_view text);

// The atlas file's whole text, from $VANTREL_ATLAS, else beside an installed
// program, in the build tree or where it was installed. On failure error
// names the files tried.
bool read_atlas(std::string& atlas, std::string& error);

// The places whose name or ASCII name folds to the query's name, in its
// region and country when given, most populous first.
std::vector<AtlasPlace> find_places(const std::string& atlas, const PlaceQuery& query);

// The count places whose names come nearest the query's, nearest first and
// the most populous first among equals.
std::vector<AtlasPlace> nearest_places(const std::string& atlas, const PlaceQuery& query,
                                       std::size_t count);

// The place's coordinates to the whole minute, the chart's way round.
SignedAngle latitude_of(const AtlasPlace& place);
SignedAngle longitude_of(const AtlasPlace& place);

// "Springfield, MO, US": the text that --city finds the place by.
std::string place_label(const AtlasPlace& place);
