#include "base/utf8_text.h"

#include <cstring>

std::size_t utf8_lead_length(unsigned char lead) {
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

int utf8_sequence_length(const unsigned char* text, std::uint32_t& code) {
  const unsigned char lead = text[0];
  const int length = static_cast<int>(utf8_lead_length(lead));
  if (lead < 0x80) {
    code = lead;
    return 1;
  }
  if (length == 1) return 0;  // a continuation byte, or no byte UTF-8 uses
  static const std::uint32_t LeastCode[5] = {0, 0, 0x80, 0x800, 0x10000};
  code = lead & (0x7Fu >> length);
  for (int i = 1; i < length; ++i) {
    if (!is_utf8_continuation(text[i])) return 0;  // the NUL ends the text here too
    code = (code << 6) | (text[i] & 0x3F);
  }
  if (code < LeastCode[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
    return 0;
  return length;
}

void append_valid_utf8(std::string& out, const char* text) {
  for_each_character(text, [&out](std::uint32_t, const char* bytes, int length) {
    out.append(bytes, static_cast<std::size_t>(length));
  });
}

void append_terminal_text(std::string& out, const char* text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  while (*bytes != 0) {
    std::uint32_t code = 0;
    int length = utf8_sequence_length(bytes, code);
    if (length == 0) {
      length = 1;
      code = *bytes;
    }
    const bool control = code < 0x20 || (code >= 0x7F && code <= 0x9F);
    if (control)
      out += ' ';
    else
      out.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
    bytes += length;
  }
}

std::size_t whole_characters_length(const char* text, std::size_t max_bytes) {
  std::size_t cut = strnlen(text, max_bytes);
  if (cut == max_bytes && is_utf8_continuation(text[cut])) {
    // Back to the lead byte of the character the cut falls into; malformed
    // text without one within a character's length is cut where it is.
    std::size_t lead = cut;
    while (lead > 0 && cut - lead < 3 && is_utf8_continuation(text[lead - 1])) --lead;
    if (lead > 0 && lead - 1 + utf8_lead_length(text[lead - 1]) > cut) cut = lead - 1;
  }
  return cut;
}

void copy_whole_characters(char* destination, const char* text, std::size_t max_bytes) {
  const std::size_t cut = whole_characters_length(text, max_bytes);
  std::memcpy(destination, text, cut);
  destination[cut] = '\0';
}
