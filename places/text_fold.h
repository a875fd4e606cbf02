#pragma once

#include <string>
#include <string_view>

// A name as place names are matched: case, accents and the letters that
// Latin-ASCII spells out folded through ICU's transform "NFD; [:Nonspacing
// Mark:] Remove; NFC; Latin-ASCII; Any-Lower" (composed or decomposed,
// "Zürich" and "ZURICH" both give "zurich", "Łódź" "lodz", "Straße" and
// "STRASSE" "strasse"), then only ASCII letters and digits and the non-ASCII
// characters kept: "Washington, D.C." gives "washingtondc". The atlas's
// generator (tools/generate_atlas.py) folds its names through the same
// transform.
std::string folded_name(std::string_view text);
