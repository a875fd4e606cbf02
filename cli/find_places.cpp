#include "cli/find_places.h"

#include <vector>

#include "cli/print_status.h"
#include "places/place_lookup.h"
#include "places/query_text.h"

namespace {

// The places that match, or why there are none.
int matching_places(const std::string& text, std::vector<AtlasPlace>& places,
                    std::string& error) {
  Atlas atlas;
  if (!load_atlas(atlas, error)) return print_status_failed;
  PlaceMatches matches = look_up_place(atlas, text);
  places = std::move(matches.places);
  if (matches.outcome == PlaceMatches::found) return print_status_ok;
  if (matches.outcome == PlaceMatches::too_long) {
    error = too_long_message("place name", text);
    return print_status_refused;
  }
  error = "no place " + quoted_query(text) + " in the atlas; nearest:";
  const char* separator = " ";
  for (const AtlasPlace& place : places) {
    error += separator + place_label(place);
    separator = "; ";
  }
  places.clear();
  return print_status_refused;
}

}  // namespace

std::string place_listing_line(const AtlasPlace& place) {
  return place_label(place) + "  " + latitude_text(latitude_of(place)) + " " +
         longitude_text(longitude_of(place)) + "  " + place.zone + "  " +
         std::to_string(place.population);
}

int find_one_place(const std::string& text, AtlasPlace& place, std::string& error) {
  std::vector<AtlasPlace> places;
  const int status = matching_places(text, places, error);
  if (status != print_status_ok) return status;
  if (places.size() == 1) {
    place = places.front();
    return print_status_ok;
  }
  error = std::to_string(places.size()) + " places match " + quoted_query(text) +
          "; name one as \"Name, Region, CC\":";
  for (const AtlasPlace& match : places) error += "\n  " + place_listing_line(match);
  return print_status_refused;
}

int list_places(const std::string& text, std::string& listing, std::string& error) {
  std::vector<AtlasPlace> places;
  const int status = matching_places(text, places, error);
  for (const AtlasPlace& place : places) listing += place_listing_line(place) + "\n";
  return status;
}
