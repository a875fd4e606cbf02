#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A line of a text report, newline added. No trailing blanks: they carry
// nothing and upset diffs.
void append_line(std::string& out, const char* text, std::size_t length);
void append_line(std::string& out, const std::string& text);

// A name or place for the terminal: a control character would split the
// header or act on it.
std::string shown_field(const char* text);

// Words joined by separator and, before the last, by last_separator:
// "text, json or svg".
std::string joined_words(const std::vector<std::string>& words, const char* separator,
                         const char* last_separator);
