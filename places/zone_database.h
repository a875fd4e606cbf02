#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "places/zone_history.h"

// The system's time-zone database (Debian's tzdata): the folder $TZDIR names,
// as the C library takes it, else /usr/share/zoneinfo.
struct ZoneDatabase {
  std::string folder;
  std::string version;             // "2025b"
  std::vector<std::string> names;  // zones and links as tzdata.zi lists them,
                                   // but "Factory", which is no place's
};

// The database's names and version from its tzdata.zi; false, error saying
// why, when it is missing, no regular file, too large or lists no zone.
bool read_zone_database(ZoneDatabase& database, std::string& error);

// The database's name for a typed one: the same, or else the one name equal
// to it but for ASCII case; false when there is none or more than one (the
// nearest names then show them).
bool match_zone_name(const ZoneDatabase& database, std::string_view typed,
                     std::string& name);

// The count names nearest the typed one (the whole name or its last part),
// comma-separated.
std::string nearest_zone_names(const ZoneDatabase& database, std::string_view typed);

// The history of a listed zone from its TZif file; false, error saying why,
// when the file cannot be read, is no regular file, is too large or is no
// TZif file.
bool read_zone_file(const ZoneDatabase& database, const std::string& name,
                    ZoneHistory& history, std::string& error);
