#pragma once

#include <cstddef>

// The length of the longest start of text, up to its NUL, that is at most
// max_bytes long and does not split a UTF-8 character: the fixed byte columns
// of the chart file would carry half of it. text must hold max_bytes + 1
// bytes or a NUL before.
std::size_t whole_characters_length(const char* text, std::size_t max_bytes);

// Copies the start of text that whole_characters_length measures into
// destination (which holds max_bytes + 1) and NUL-terminates it.
void copy_whole_characters(char* destination, const char* text, std::size_t max_bytes);
