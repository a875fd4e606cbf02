#include "dialogs/whole_characters.h"

#include <cstring>

namespace {
bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Bytes in the sequence a lead byte starts; 1 for anything that is no lead.
std::size_t sequence_length(unsigned char lead) {
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}
}  // namespace

std::size_t whole_characters_length(const char* text, std::size_t max_bytes) {
  std::size_t cut = strnlen(text, max_bytes);
  if (cut == max_bytes && is_continuation(text[cut])) {
    // Back to the lead byte of the character the cut falls into; malformed
    // text without one within a character's length is cut where it is.
    std::size_t lead = cut;
    while (lead > 0 && cut - lead < 3 && is_continuation(text[lead - 1])) --lead;
    if (lead > 0 && lead - 1 + sequence_length(text[lead - 1]) > cut) cut = lead - 1;
  }
  return cut;
}

void copy_whole_characters(char* destination, const char* text, std::size_t max_bytes) {
  const std::size_t cut = whole_characters_length(text, max_bytes);
  std::memcpy(destination, text, cut);
  destination[cut] = '\0';
}
