#include "places/zone_database.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "places/closest_names.h"

namespace {

constexpr std::size_t nearest_count = 5;
// The largest TZif file of tzdata is a few kilobytes.
constexpr std::streamsize largest_zone_file = 1 << 20;

std::string zoneinfo_folder() {
  const char* chosen = std::getenv("TZDIR");
  return chosen != nullptr && *chosen != '\0' ? chosen : "/usr/share/zoneinfo";
}

bool same_ignoring_case(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&lower](char x, char y) { return lower(x) == lower(y); });
}

// "Z Asia/Kolkata ..." names a zone, "L Asia/Kolkata Asia/Calcutta" a link.
void take_name(const std::string& line, std::vector<std::string>& names) {
  const std::size_t first = line.find(' ');
  if (line.rfind("Z ", 0) == 0) {
    names.push_back(line.substr(first + 1, line.find(' ', first + 1) - first - 1));
  } else if (line.rfind("L ", 0) == 0) {
    names.push_back(line.substr(line.rfind(' ') + 1));
  }
}

}  // namespace

bool read_zone_database(ZoneDatabase& database, std::string& error) {
  database = {zoneinfo_folder(), "unknown", {}};
  const std::string index = database.folder + "/tzdata.zi";
  std::ifstream lines(index);
  if (!lines) {
    error = index + " cannot be read";
    return false;
  }
  const std::string mark = "# version ";
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(mark, 0) == 0) database.version = line.substr(mark.size());
    take_name(line, database.names);
  }
  if (!database.names.empty()) return true;
  error = index + " lists no zone";
  return false;
}

bool match_zone_name(const ZoneDatabase& database, std::string_view typed,
                     std::string& name) {
  const auto& names = database.names;
  if (std::find(names.begin(), names.end(), typed) != names.end()) {
    name = typed;
    return true;
  }
  const auto alike = [typed](const std::string& listed) {
    return same_ignoring_case(listed, typed);
  };
  const auto found = std::find_if(names.begin(), names.end(), alike);
  if (found == names.end() || std::find_if(found + 1, names.end(), alike) != names.end())
    return false;
  name = *found;
  return true;
}

std::string nearest_zone_names(const ZoneDatabase& database, std::string_view typed) {
  std::vector<int> distances;
  for (const std::string& full : database.names) {
    const std::string_view city = std::string_view{full}.substr(full.rfind('/') + 1);
    distances.push_back(std::min(edit_distance(full, typed), edit_distance(city, typed)));
  }
  std::string names;
  for (std::size_t index : nearest_first(distances, nearest_count))
    names += (names.empty() ? "" : ", ") + database.names[index];
  return names;
}

bool read_zone_file(const ZoneDatabase& database, const std::string& name,
                    ZoneHistory& history, std::string& error) {
  const std::string path = database.folder + "/" + name;
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = path + ": cannot be read";
    return false;
  }
  std::string bytes(static_cast<std::size_t>(largest_zone_file), '\0');
  file.read(bytes.data(), largest_zone_file);
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  if (read_zone_history(bytes, history, error)) return true;
  error = path + ": " + error;
  return false;
}
