#pragma once

#include <cstdint>
#include <string>

// The replacement character U+FFFD in UTF-8.
inline constexpr const char* replacement_character = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at text, 0 when it is not one
// (overlong forms, surrogates and values past U+10FFFF included); code is
// then its value.
int utf8_sequence_length(const unsigned char* text, std::uint32_t& code);

// Calls visit(code, bytes, length) for each character of text in order; each
// byte that does not start a well-formed sequence comes as one U+FFFD.
template <typename Visit>
void for_each_character(const char* text, Visit&& visit) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  while (*bytes != 0) {
    std::uint32_t code = 0;
    int length = utf8_sequence_length(bytes, code);
    if (length == 0) {
      visit(std::uint32_t{0xFFFD}, replacement_character, 3);
      ++bytes;
      continue;
    }
    visit(code, reinterpret_cast<const char*>(bytes), length);
    bytes += length;
  }
}

// Text as well-formed UTF-8, bad bytes replaced.
void append_valid_utf8(std::string& out, const char* text);
