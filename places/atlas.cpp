#include "places/atlas.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <utility>

namespace {

enum PlaceColumn : int {
  name_column = 0,
  folded_column,
  region_column,
  country_column,
  latitude_column,
  longitude_column,
  zone_column,
  population_column,
  place_columns
};

enum RegionColumn : int {
  region_country = 0,
  region_code,
  region_name,
  region_iso,
  region_folded,
  region_columns
};

// The tab-separated fields of a line; fewer than wanted when it has fewer.
std::vector<std::string_view> fields_of(std::string_view line, std::size_t wanted) {
  std::vector<std::string_view> fields;
  while (fields.size() + 1 < wanted) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) break;
    fields.push_back(line.substr(0, tab));
    line.remove_prefix(tab + 1);
  }
  fields.push_back(line);
  return fields;
}

std::string_view line_at(std::string_view lines, std::size_t start) {
  return lines.substr(start, lines.find('\n', start) - start);
}

template <class Number>
Number number_of(std::string_view text) {
  Number value{};
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// The sections in the file's order, as its "@sections" line lists them.
const char* const SectionNames[] = {"zones", "regions", "places", "names"};
constexpr std::size_t section_count = std::size(SectionNames);

// What the text is: a whole atlas, no atlas, or one whose length is not the
// one its "@sections" line gives (a copy cut short).
enum AtlasText : int { atlas_whole = 0, atlas_foreign, atlas_damaged };

// Each section's lines, each line with its newline, from the byte offsets
// that the "@sections" line gives, and the length it gives: the text must
// have it before anything else is asked of it, as a cut copy may still hold
// every section's start.
AtlasText find_sections(std::string_view text,
                        std::string_view (&sections)[section_count],
                        std::size_t& length) {
  const std::size_t line = text.find("\n@sections ");
  if (line == std::string_view::npos) return atlas_foreign;
  const std::string_view listed = line_at(text, line + 1);
  const std::size_t length_at = listed.find(" end ");
  if (length_at == std::string_view::npos) return atlas_foreign;
  length = number_of<std::size_t>(listed.substr(length_at + 5));
  if (length != text.size()) return atlas_damaged;
  std::size_t starts[section_count];
  std::size_t marks[section_count];  // where each "@name" line begins
  for (std::size_t i = 0; i < section_count; ++i) {
    const std::string name = std::string(" ") + SectionNames[i] + " ";
    const std::size_t at = listed.find(name);
    if (at == std::string_view::npos) return atlas_foreign;
    starts[i] = number_of<std::size_t>(listed.substr(at + name.size()));
    const std::string mark = std::string("@") + SectionNames[i] + "\n";
    if (starts[i] < mark.size() || starts[i] > text.size() ||
        text.substr(starts[i] - mark.size(), mark.size()) != mark)
      return atlas_foreign;
    marks[i] = starts[i] - mark.size();
  }
  for (std::size_t i = 0; i < section_count; ++i) {
    const std::size_t end = i + 1 < section_count ? marks[i + 1] : text.size();
    if (end < starts[i]) return atlas_foreign;
    sections[i] = text.substr(starts[i], end - starts[i]);
  }
  return atlas_whole;
}

template <class Visit>
void for_each_line(std::string_view lines, Visit&& visit) {
  for (std::size_t at = 0; at < lines.size();) {
    std::size_t end = lines.find('\n', at);
    if (end == std::string_view::npos) end = lines.size();
    visit(lines.substr(at, end - at));
    at = end + 1;
  }
}

std::string_view key_of(std::string_view line) { return line.substr(0, line.find('\t')); }

// The start of the first line of sorted lines whose key is not before key.
std::size_t lower_bound_line(std::string_view lines, std::string_view key) {
  std::size_t low = 0;  // always a line's start
  std::size_t high = lines.size();
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    const std::size_t start = middle == low ? low : lines.rfind('\n', middle - 1) + 1;
    const std::string_view line = line_at(lines, std::max(start, low));
    if (key_of(line) < key) {
      low = std::max(start, low) + line.size() + 1;
    } else {
      high = std::max(start, low);
    }
  }
  return low;
}

// Where the atlas may be, in the order tried: never a folder fixed at build
// time, so that a build or an installation can move.
std::vector<std::string> atlas_candidates() {
  if (const char* chosen = std::getenv("VANTREL_ATLAS"); chosen != nullptr && *chosen)
    return {chosen};
  std::error_code failed;
  const std::filesystem::path program =
      std::filesystem::read_symlink("/proc/self/exe", failed);
  if (failed) return {};
  const std::filesystem::path folder = program.parent_path();
  const char* const file = "share/vantrel/places.tsv";
  return {(folder.parent_path() / file).string(), (folder / file).string()};
}

// Finds the sections of text (which must outlive the atlas), and the length
// the text says it has.
AtlasText read_atlas_text(Atlas& atlas, std::string_view text, std::size_t& length) {
  atlas.zones.clear();
  atlas.regions.clear();
  std::string_view sections[section_count];
  if (const AtlasText found = find_sections(text, sections, length); found != atlas_whole)
    return found;
  bool complete = true;
  for_each_line(sections[0],
                [&atlas](std::string_view line) { atlas.zones.push_back(line); });
  for_each_line(sections[1], [&atlas, &complete](std::string_view line) {
    const std::vector<std::string_view> f = fields_of(line, region_columns);
    complete = complete && f.size() == region_columns;
    if (f.size() == region_columns)
      atlas.regions.push_back({f[region_country], f[region_code], f[region_name],
                               f[region_iso], f[region_folded]});
  });
  atlas.places = sections[2];
  atlas.names = sections[3];
  return complete && !atlas.zones.empty() && !atlas.places.empty() && !atlas.names.empty()
             ? atlas_whole
             : atlas_foreign;
}

}  // namespace

AtlasFile::AtlasFile(AtlasFile&& other) noexcept
    : bytes_(std::exchange(other.bytes_, nullptr)),
      size_(std::exchange(other.size_, 0)) {}

AtlasFile& AtlasFile::operator=(AtlasFile&& other) noexcept {
  std::swap(bytes_, other.bytes_);
  std::swap(size_, other.size_);
  return *this;
}

AtlasFile::~AtlasFile() {
  if (bytes_ != nullptr) munmap(const_cast<char*>(bytes_), size_);
}

bool AtlasFile::map(const std::string& path) {
  const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (file < 0) return false;
  struct stat status {};
  void* mapped = MAP_FAILED;
  if (fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0)
    mapped = mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ,
                  MAP_PRIVATE, file, 0);
  close(file);
  if (mapped == MAP_FAILED) return false;
  AtlasFile previous(std::move(*this));
  bytes_ = static_cast<const char*>(mapped);
  size_ = static_cast<std::size_t>(status.st_size);
  return true;
}

bool load_atlas(Atlas& atlas, std::string& error) {
  const std::vector<std::string> paths = atlas_candidates();
  for (const std::string& path : paths) {
    if (!atlas.file.map(path)) continue;
    std::size_t length = 0;
    const AtlasText read = read_atlas_text(atlas, atlas.file.text(), length);
    if (read == atlas_whole) return true;
    error = path + (read == atlas_foreign
                        ? ": not an atlas of places"
                        : ": a damaged atlas of places (" +
                              std::to_string(atlas.file.text().size()) + " of its " +
                              std::to_string(length) + " bytes)");
    return false;
  }
  error = "no atlas of places found (tried";
  for (const std::string& path : paths) error += " " + path;
  error += ")";
  return false;
}

AtlasPlace place_at(const Atlas& atlas, std::size_t offset) {
  AtlasPlace place;
  if (offset >= atlas.places.size()) return place;
  const std::vector<std::string_view> f =
      fields_of(line_at(atlas.places, offset), place_columns);
  if (f.size() != place_columns) return place;
  place.name = f[name_column];
  place.region = f[region_column];
  place.country = f[country_column];
  const AtlasRegion* region = region_of(atlas, place.country, place.region);
  place.region_name = region != nullptr ? region->name : place.region;
  place.latitude = number_of<double>(f[latitude_column]);
  place.longitude = number_of<double>(f[longitude_column]);
  const auto zone = number_of<std::size_t>(f[zone_column]);
  if (zone < atlas.zones.size()) place.zone = atlas.zones[zone];
  place.population = number_of<long>(f[population_column]);
  return place;
}

std::string_view folded_name_at(const Atlas& atlas, std::size_t offset) {
  if (offset >= atlas.places.size()) return {};
  const std::vector<std::string_view> f =
      fields_of(line_at(atlas.places, offset), folded_column + 2);
  return f.size() > folded_column ? f[folded_column] : std::string_view{};
}

std::vector<std::size_t> places_named(const Atlas& atlas, std::string_view folded) {
  std::vector<std::size_t> offsets;
  const std::size_t start = lower_bound_line(atlas.names, folded);
  if (start >= atlas.names.size()) return offsets;
  const std::string_view line = line_at(atlas.names, start);
  if (key_of(line) != folded || line.size() == folded.size()) return offsets;
  std::string_view list = line.substr(folded.size() + 1);
  while (!list.empty()) {
    const std::size_t space = std::min(list.find(' '), list.size());
    offsets.push_back(number_of<std::size_t>(list.substr(0, space)));
    list.remove_prefix(std::min(space + 1, list.size()));
  }
  return offsets;
}

const AtlasRegion* region_of(const Atlas& atlas, std::string_view country,
                             std::string_view code) {
  const auto before = [](const AtlasRegion& region,
                         std::pair<std::string_view, std::string_view> key) {
    return std::pair(region.country, region.code) < key;
  };
  const auto found = std::lower_bound(atlas.regions.begin(), atlas.regions.end(),
                                      std::pair(country, code), before);
  if (found == atlas.regions.end() || found->country != country || found->code != code)
    return nullptr;
  return &*found;
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
  if (!place.region.empty()) label += ", " + place.region_name;
  return label + ", " + place.country;
}
