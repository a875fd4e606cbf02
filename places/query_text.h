#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A place or zone name is never longer than this: a longer query is refused
// before any search, whose cost grows with its length.
constexpr std::size_t longest_query = 256;

// The query in quotes as a message shows it: at most a short start of it,
// cut at a whole character, "..." marking the cut.
std::string quoted_query(std::string_view text);

// "name too long (102400 bytes; at most 256): \"xxxx...\"".
std::string too_long_message(const char* what, std::string_view text);
