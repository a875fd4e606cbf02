#pragma once

#include <cstddef>

// Copies at most max_bytes bytes of text into destination (which holds
// max_bytes + 1) and NUL-terminates it. A cut never splits a UTF-8
// character: the fixed byte columns of the chart file would carry half of it.
void copy_whole_characters(char* destination, const char* text, std::size_t max_bytes);
