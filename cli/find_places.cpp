#include "cli/find_places.h"

#include <algorithm>
#include <cstring>
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

// A place this many times as populous as the next of its name is the one a
// name alone means: London, England over London, Ontario; not Hyderabad,
// Telangana over Hyderabad, Sindh.
constexpr long meant_population_ratio = 20;

// The place that --city TEXT means among several, the most populous first;
// null when the name leaves it open.
const AtlasPlace* place_meant(const std::vector<AtlasPlace>& places) {
  const long first = places[0].population;
  return first > 0 && first >= meant_population_ratio * places[1].population ? &places[0]
                                                                             : nullptr;
}

// The text as a shell reads it back: one plain word bare, else in quotes.
std::string typed_argument(const std::string& text) {
  const bool plain = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::strchr(",.-_/", c) != nullptr || static_cast<unsigned char>(c) >= 0x80;
  });
  if (plain) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (std::strchr("\"\\$`", c) != nullptr) quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

std::string place_listing_line(const AtlasPlace& place) {
  return place_label(place) + "  " + latitude_text(latitude_of(place)) + " " +
         longitude_text(longitude_of(place)) + "  " + place.zone + "  " +
         std::to_string(place.population);
}

int find_one_place(const std::string& text, AtlasPlace& place, std::string& notice,
                   std::string& error) {
  std::vector<AtlasPlace> places;
  const int status = matching_places(text, places, error);
  if (status != print_status_ok) return status;
  if (places.size() == 1) {
    place = places.front();
    return print_status_ok;
  }
  if (const AtlasPlace* meant = place_meant(places)) {
    place = *meant;
    const std::size_t others = places.size() - 1;
    notice = "--city " + typed_argument(text) + ": " + place_label(place) + " taken; " +
             std::to_string(others) +
             (others == 1 ? " other place matches" : " other places match") +
             ", --find " + typed_argument(text) + " lists them";
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
