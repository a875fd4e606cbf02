#pragma once

#include <string>
#include <string_view>

// Text as a place name is matched: ASCII letters in lower case, the Latin
// letters with accents of Latin-1 and Latin Extended-A as their base letters
// ("Zürich" and "ZURICH" both give "zurich", "Łódź" gives "lodz", "ß" gives
// "ss"). Other bytes are kept as they are.
std::string fold_to_ascii(std::string_view text);

// An ASCII capital in lower case; any other byte as it is.
char ascii_lower(char c);
