#pragma once

#include <string>

#include "places/atlas.h"

// One line for a place, as --find lists it and --city lists several:
// "Springfield, Missouri, US  37N13 093W18  America/Chicago  166810".
std::string place_listing_line(const AtlasPlace& place);

// The one atlas place that --city TEXT names, as a print status. Of several
// that match, the most populous is taken when it has at least 20 times the
// population of the next, notice then saying so in one line; otherwise
// refused (error lists them, most populous first). Refused when none matches
// (error gives the nearest names), failed when the atlas cannot be read.
int find_one_place(const std::string& text, AtlasPlace& place, std::string& notice,
                   std::string& error);

// --find TEXT: the matching places, one line each, most populous first; a
// print status as find_one_place's for none.
int list_places(const std::string& text, std::string& listing, std::string& error);
