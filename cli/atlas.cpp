#include "cli/atlas.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "cli/ascii_fold.h"
#include "cli/closest_names.h"

namespace {

enum AtlasColumn : int {
  name_column = 0,
  ascii_column,  // empty: the same as the name
  region_column,
  country_column,
  latitude_column,
  longitude_column,
  zone_column,
  population_column,
  column_count
};

using AtlasRow = std::string_view[column_count];

// Calls on_row for every place of the atlas, in file order (most populous
// first); the comment line and malformed lines are passed over.
template <class OnRow>
void for_each_row(const std::string& atlas, OnRow on_row) {
  std::size_t start = 0;
  while (start < atlas.size()) {
    std::size_t end = atlas.find('\n', start);
    if (end == std::string::npos) end = atlas.size();
    const std::string_view line(atlas.data() + start, end - start);
    start = end + 1;
    if (line.empty() || line[0] == '#') continue;
    AtlasRow row;
    std::size_t from = 0;
    int column = 0;
    for (; column < column_count && from <= line.size(); ++column) {
      std::size_t tab = line.find('\t', from);
      if (tab == std::string_view::npos) tab = line.size();
      row[column] = line.substr(from, tab - from);
      from = tab + 1;
    }
    if (column == column_count && from == line.size() + 1) on_row(row);
  }
}

std::string_view ascii_name(const AtlasRow& row) {
  return row[ascii_column].empty() ? row[name_column] : row[ascii_column];
}

// Equal but for the case of ASCII letters.
bool same_ascii(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return ascii_lower(x) == ascii_lower(y); });
}

// The ASCII name is compared first, without folding the UTF-8 name.
bool row_matches(const AtlasRow& row, const PlaceQuery& query) {
  if (!query.country.empty() && !same_ascii(row[country_column], query.country))
    return false;
  if (!query.region.empty() && !same_ascii(row[region_column], query.region))
    return false;
  if (same_ascii(ascii_name(row), query.name)) return true;
  return !row[ascii_column].empty() && fold_to_ascii(row[name_column]) == query.name;
}

template <class Number>
Number number_of(std::string_view text) {
  Number value{};
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

AtlasPlace place_of(const AtlasRow& row) {
  AtlasPlace place;
  place.name = row[name_column];
  place.region = row[region_column];
  place.country = row[country_column];
  place.latitude = number_of<double>(row[latitude_column]);
  place.longitude = number_of<double>(row[longitude_column]);
  place.zone = row[zone_column];
  place.population = number_of<long>(row[population_column]);
  return place;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Where the atlas may be, in the order tried.
std::vector<std::string> atlas_candidates() {
  if (const char* chosen = std::getenv("VANTREL_ATLAS"); chosen != nullptr && *chosen)
    return {chosen};
  std::vector<std::string> paths;
  std::error_code failed;
  // An installed program finds it under its own prefix, wherever that went.
  const std::filesystem::path program =
      std::filesystem::read_symlink("/proc/self/exe", failed);
  if (!failed)
    paths.push_back((program.parent_path().parent_path() / VANTREL_ATLAS_DATADIR /
                     "vantrel/places.tsv")
                        .string());
  paths.push_back(VANTREL_ATLAS_BUILD_PATH);
  paths.push_back(VANTREL_ATLAS_INSTALL_PATH);
  return paths;
}

}  // namespace

PlaceQuery parse_place_query(std::string_view text) {
  std::vector<std::string_view> parts;
  for (std::size_t comma;
       (comma = text.rfind(',')) != std::string_view::npos && parts.size() < 2;) {
    parts.push_back(trimmed(text.substr(comma + 1)));
    text = text.substr(0, comma);
  }
  PlaceQuery query;
  query.name = fold_to_ascii(trimmed(text));
  if (!parts.empty()) query.country = parts[0];
  if (parts.size() == 2) query.region = parts[1];
  return query;
}

bool read_atlas(std::string& atlas, std::string& error) {
  const std::vector<std::string> paths = atlas_candidates();
  for (const std::string& path : paths) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = file.tellg();
    if (!file || size < 0) continue;
    atlas.resize(static_cast<std::size_t>(size));
    file.seekg(0);
    if (file.read(atlas.data(), static_cast<std::streamsize>(atlas.size()))) return true;
  }
  error = "no atlas of places found (tried";
  for (const std::string& path : paths) error += " " + path;
  error += ")";
  return false;
}

std::vector<AtlasPlace> find_places(const std::string& atlas, const PlaceQuery& query) {
  std::vector<AtlasPlace> places;
  for_each_row(atlas, [&](const AtlasRow& row) {
    if (row_matches(row, query)) places.push_back(place_of(row));
  });
  std::stable_sort(places.begin(), places.end(),
                   [](const AtlasPlace& a, const AtlasPlace& b) {
                     return a.population > b.population;
                   });
  return places;
}

std::vector<AtlasPlace> nearest_places(const std::string& atlas, const PlaceQuery& query,
                                       std::size_t count) {
  std::vector<int> distances;
  for_each_row(atlas, [&](const AtlasRow& row) {
    distances.push_back(edit_distance(ascii_name(row), query.name));
  });
  const std::vector<std::size_t> nearest = nearest_first(distances, count);
  std::vector<AtlasPlace> places(nearest.size());
  std::size_t index = 0;
  for_each_row(atlas, [&](const AtlasRow& row) {
    for (std::size_t i = 0; i < nearest.size(); ++i)
      if (nearest[i] == index) places[i] = place_of(row);
    ++index;
  });
  return places;
}

SignedAngle latitude_of(const AtlasPlace& place) {
  return nearest_minute_angle(place.latitude);
}

// GeoNames counts east positive, the chart west.
SignedAngle longitude_of(const AtlasPlace& place) {
  return nearest_minute_angle(-place.longitude);
}

std::string place_label(const AtlasPlace& place) {
  std::string label = place.name;
  if (!place.region.empty()) label += ", " + place.region;
  return label + ", " + place.country;
}
