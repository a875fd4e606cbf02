#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The replacement character U+FFFD in UTF-8.
inline constexpr const char* replacement_character = "\xEF\xBF\xBD";

// Bytes in the sequence a lead byte starts: 1 for ASCII and for anything
// that is no lead byte.
std::size_t utf8_lead_length(unsigned char lead);

inline bool is_utf8_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

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

// Text for a terminal: every control character, C0, DEL and C1 (U+0080 to
// U+009F, and such a byte outside a UTF-8 sequence, which an 8-bit terminal
// takes as one) shown as a blank; every other byte as it is.
void append_terminal_text(std::string& out, const char* text);

// The length of the longest start of text, up to its NUL, that is at most
// max_bytes long and does not split a UTF-8 character: the fixed byte columns
// of the chart file would carry half of it. text must hold max_bytes + 1
// bytes or a NUL before.
std::size_t whole_characters_length(const char* text, std::size_t max_bytes);

// Copies the start of text that whole_characters_length measures into
// destination (which holds max_bytes + 1) and NUL-terminates it.
void copy_whole_characters(char* destination, const char* text, std::size_t max_bytes);
