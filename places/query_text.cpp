#include "places/query_text.h"

#include "base/utf8_text.h"

namespace {
constexpr std::size_t quoted_bytes = 40;
}  // namespace

std::string quoted_query(std::string_view text) {
  const std::string start(text.substr(0, quoted_bytes + 1));
  const std::size_t kept = whole_characters_length(start.c_str(), quoted_bytes);
  return "\"" + start.substr(0, kept) + (kept < text.size() ? "...\"" : "\"");
}

std::string too_long_message(const char* what, std::string_view text) {
  return std::string(what) + " too long (" + std::to_string(text.size()) +
         " bytes; at most " + std::to_string(longest_query) + "): " + quoted_query(text);
}
