#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "base/signed_angle.h"

// One place of the offline atlas (share/atlas/places.tsv, from GeoNames).
struct AtlasPlace {
  std::string name;    // as GeoNames writes it, UTF-8
  std::string region;  // GeoNames first-level region code, e.g. "MO", "16"; may be empty
  std::string
      region_name;       // "Missouri", "Maharashtra"; the code where the atlas has none
  std::string country;   // ISO 3166 code, e.g. "US"
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
  std::string zone;      // IANA time-zone name
  long population = 0;
};

// A first-level region as the atlas lists it.
struct AtlasRegion {
  std::string_view country;
  std::string_view code;  // GeoNames'
  std::string_view name;
  std::string_view iso;     // ISO 3166-2, "IN-MH"; may be empty
  std::string_view folded;  // the name folded
};

// The atlas file mapped into memory, so that a lookup reads only the lines
// it needs. Moves, never copies; unmapped when destroyed.
class AtlasFile {
 public:
  AtlasFile() = default;
  AtlasFile(const AtlasFile&) = delete;
  AtlasFile& operator=(const AtlasFile&) = delete;
  AtlasFile(AtlasFile&& other) noexcept;
  AtlasFile& operator=(AtlasFile&& other) noexcept;
  ~AtlasFile();

  // Maps a regular file; false when it cannot.
  bool map(const std::string& path);
  std::string_view text() const { return {bytes_, size_}; }

 private:
  const char* bytes_ = nullptr;
  std::size_t size_ = 0;
};

// The atlas and where its sections lie (the format is described in
// tools/generate_atlas.py).
struct Atlas {
  AtlasFile file;
  std::vector<std::string_view> zones;
  std::vector<AtlasRegion> regions;  // by country and code
  std::string_view places;           // the lines of places, most populous first
  std::string_view names;            // the lines of folded names, in byte order
};

// Maps the atlas from $VANTREL_ATLAS, else from share/vantrel/ above the
// running program's folder (installed) or in it (in the build tree); false,
// error naming the files tried, on failure. An atlas whose length is not the
// one its header gives (a copy cut short) is damaged: false, saying so.
bool load_atlas(Atlas& atlas, std::string& error);

// The place whose line starts at offset in the atlas's places.
AtlasPlace place_at(const Atlas& atlas, std::size_t offset);

// Its name folded, as the atlas holds it.
std::string_view folded_name_at(const Atlas& atlas, std::size_t offset);

// Calls visit(offset, folded name) for each place, most populous first.
template <class Visit>
void for_each_place(const Atlas& atlas, Visit&& visit) {
  for (std::size_t at = 0; at < atlas.places.size();) {
    std::size_t end = atlas.places.find('\n', at);
    if (end == std::string_view::npos) end = atlas.places.size();
    const std::string_view line = atlas.places.substr(at, end - at);
    const std::size_t tab = std::min(line.find('\t'), line.size());
    const std::string_view rest = line.substr(std::min(tab + 1, line.size()));
    visit(at, rest.substr(0, rest.find('\t')));
    at = end + 1;
  }
}

// The offsets of the places that carry the folded name, most populous first.
std::vector<std::size_t> places_named(const Atlas& atlas, std::string_view folded);

// The region of a country by GeoNames code; null when the atlas has none.
const AtlasRegion* region_of(const Atlas& atlas, std::string_view country,
                             std::string_view code);

// The place's coordinates to the whole minute, the chart's way round.
SignedAngle latitude_of(const AtlasPlace& place);
SignedAngle longitude_of(const AtlasPlace& place);

// "Springfield, Missouri, US": the place, its region's name and its country.
std::string place_label(const AtlasPlace& place);
