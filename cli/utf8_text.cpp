#include "cli/utf8_text.h"

int utf8_sequence_length(const unsigned char* text, std::uint32_t& code) {
  unsigned char lead = text[0];
  int length;
  std::uint32_t least;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    least = 0x80;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    least = 0x800;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    least = 0x10000;
    code = lead & 0x07;
  } else {
    return 0;
  }
  for (int i = 1; i < length; ++i) {
    if ((text[i] & 0xC0) != 0x80) return 0;  // the NUL ends the text here too
    code = (code << 6) | (text[i] & 0x3F);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

void append_valid_utf8(std::string& out, const char* text) {
  for_each_character(text, [&out](std::uint32_t, const char* bytes, int length) {
    out.append(bytes, static_cast<std::size_t>(length));
  });
}
