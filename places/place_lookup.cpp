#include "places/place_lookup.h"

#include <algorithm>
#include <limits>

#include "places/closest_names.h"
#include "places/query_text.h"
#include "places/text_fold.h"

namespace {

constexpr std::size_t nearest_count = 5;

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// What a place must be in besides its name: empty, anywhere.
struct PlaceFilter {
  std::string country;  // folded ISO code
  std::string region;   // folded region, in any of its forms
};

bool in_region(const Atlas& atlas, const AtlasPlace& place, const std::string& region) {
  if (folded_name(place.region) == region) return true;
  const AtlasRegion* listed = region_of(atlas, place.country, place.region);
  if (listed == nullptr) return false;
  const std::string_view iso_part = listed->iso.substr(listed->iso.find('-') + 1);
  return listed->folded == region || folded_name(listed->iso) == region ||
         (!listed->iso.empty() && folded_name(iso_part) == region);
}

// A name with its country or region, as a listing writes a place, finds the
// places of that name before those that had it once: "Springfield, MO, US"
// is not Palmyra, Missouri, once called Springfield.
std::vector<AtlasPlace> places_matching(const Atlas& atlas, std::string_view name,
                                        const PlaceFilter& filter) {
  const std::string folded = folded_name(name);
  std::vector<AtlasPlace> places;
  std::vector<AtlasPlace> own_name;
  for (std::size_t offset : places_named(atlas, folded)) {
    AtlasPlace place = place_at(atlas, offset);
    if (!filter.country.empty() && folded_name(place.country) != filter.country) continue;
    if (!filter.region.empty() && !in_region(atlas, place, filter.region)) continue;
    if (folded_name_at(atlas, offset) == folded) own_name.push_back(place);
    places.push_back(std::move(place));
  }
  const bool qualified = !filter.country.empty() || !filter.region.empty();
  return qualified && !own_name.empty() ? own_name : places;
}

// "Name, CC" or "Name, Region": the name may hold commas of its own.
std::vector<AtlasPlace> places_in_country_or_region(const Atlas& atlas,
                                                    std::string_view name,
                                                    std::string_view last) {
  std::vector<AtlasPlace> places =
      places_matching(atlas, name, {folded_name(last), std::string()});
  if (places.empty()) places = places_matching(atlas, name, {{}, folded_name(last)});
  return places;
}

// "Name, Region, CC", the region after each comma of the text before the
// country in turn, so that names and regions may hold commas.
std::vector<AtlasPlace> places_in_region_of_country(const Atlas& atlas,
                                                    std::string_view before,
                                                    std::string_view country) {
  for (std::size_t comma = before.find(','); comma != std::string_view::npos;
       comma = before.find(',', comma + 1)) {
    std::vector<AtlasPlace> places = places_matching(
        atlas, trimmed(before.substr(0, comma)),
        {folded_name(country), folded_name(trimmed(before.substr(comma + 1)))});
    if (!places.empty()) return places;
  }
  return {};
}

std::vector<AtlasPlace> nearest_places(const Atlas& atlas, std::string_view name) {
  const std::string folded = folded_name(name);
  // The nearest so far, nearest first and the more populous first among
  // equals: a place must come strictly nearer than the last to join.
  std::vector<std::pair<int, std::size_t>> nearest;
  CharacterCounts counts = character_counts(folded);
  for_each_place(atlas, [&](std::size_t offset, std::string_view place_name) {
    const int bound = nearest.size() < nearest_count ? std::numeric_limits<int>::max()
                                                     : nearest.back().first;
    if (characters_apart(counts, place_name) >= bound) return;
    const int distance = edit_distance_below(place_name, folded, bound);
    if (distance >= bound) return;
    if (nearest.size() == nearest_count) nearest.pop_back();
    const auto after = std::upper_bound(
        nearest.begin(), nearest.end(), distance,
        [](int d, const std::pair<int, std::size_t>& entry) { return d < entry.first; });
    nearest.insert(after, {distance, offset});
  });
  std::vector<AtlasPlace> places;
  places.reserve(nearest.size());
  for (const auto& [distance, offset] : nearest)
    places.push_back(place_at(atlas, offset));
  return places;
}

}  // namespace

PlaceMatches look_up_place(const Atlas& atlas, std::string_view text) {
  if (text.size() > longest_query) return {PlaceMatches::too_long, {}};
  text = trimmed(text);
  std::vector<AtlasPlace> places = places_matching(atlas, text, {});
  const std::size_t last_comma = text.rfind(',');
  if (places.empty() && last_comma != std::string_view::npos) {
    const std::string_view before = trimmed(text.substr(0, last_comma));
    const std::string_view last = trimmed(text.substr(last_comma + 1));
    places = places_in_country_or_region(atlas, before, last);
    if (places.empty()) places = places_in_region_of_country(atlas, before, last);
  }
  if (!places.empty()) return {PlaceMatches::found, std::move(places)};
  return {PlaceMatches::none,
          nearest_places(atlas, trimmed(text.substr(0, text.find(','))))};
}
