#include "places/zone_database.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "places/closest_names.h"

namespace {

constexpr std::size_t nearest_count = 5;
// Generous bounds: Debian's tzdata.zi holds about 110 kilobytes, its largest
// TZif file a few.
constexpr std::size_t largest_index = std::size_t{8} << 20;
constexpr std::size_t largest_zone_file = std::size_t{1} << 20;

// The whole of a regular file of at most limit bytes; false, error saying
// why, otherwise. Opened without blocking and checked before it is read, so
// a FIFO fails at once instead of waiting for a writer, and a device
// (/dev/zero) instead of being read without end.
bool read_whole_file(const std::string& path, std::size_t limit, std::string& bytes,
                     std::string& error) {
  bytes.clear();
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = "cannot be read";
    return false;
  }
  struct stat info {};
  error.clear();
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) error = "not a regular file";
  char chunk[1 << 16];
  while (error.empty()) {
    const ssize_t got = read(fd, chunk, sizeof chunk);
    if (got == 0) break;
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      error = "cannot be read";
    } else {
      bytes.append(chunk, static_cast<std::size_t>(got));
      // The size fstat gave may have grown since: the bytes read decide.
      if (bytes.size() > limit) error = "larger than " + std::to_string(limit) + " bytes";
    }
  }
  close(fd);
  return error.empty();
}

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
// "Factory", tzdata's zone for machines whose zone is not set yet, is no
// place's zone.
void take_name(const std::string& line, std::vector<std::string>& names) {
  const std::size_t first = line.find(' ');
  if (line.rfind("Z Factory ", 0) == 0) return;
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
  std::string bytes;
  if (!read_whole_file(index, largest_index, bytes, error)) {
    error = index + ": " + error;
    return false;
  }
  std::istringstream lines(bytes);
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
  std::string bytes;
  if (read_whole_file(path, largest_zone_file, bytes, error) &&
      read_zone_history(bytes, history, error))
    return true;
  error = path + ": " + error;
  return false;
}
