#include "cli/ascii_fold.h"

namespace {

// U+00C0 to U+017F, in code point order; nullptr: not a letter, kept.
// clang-format off
const char* const LatinBases[] = {
    // U+00C0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o", nullptr, "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o", nullptr, "o", "u", "u", "u", "u", "y", "th", "y",
    // U+0100
    "a", "a", "a", "a", "a", "a", "c", "c", "c", "c", "c", "c", "c", "c", "d", "d",
    "d", "d", "e", "e", "e", "e", "e", "e", "e", "e", "e", "e", "g", "g", "g", "g",
    "g", "g", "g", "g", "h", "h", "h", "h", "i", "i", "i", "i", "i", "i", "i", "i",
    "i", "i", "ij", "ij", "j", "j", "k", "k", "k", "l", "l", "l", "l", "l", "l", "l",
    "l", "l", "l", "n", "n", "n", "n", "n", "n", "n", "n", "n", "o", "o", "o", "o",
    "o", "o", "oe", "oe", "r", "r", "r", "r", "r", "r", "s", "s", "s", "s", "s", "s",
    "s", "s", "t", "t", "t", "t", "t", "t", "u", "u", "u", "u", "u", "u", "u", "u",
    "u", "u", "u", "u", "w", "w", "y", "y", "y", "z", "z", "z", "z", "z", "z", "s",
};
// clang-format on
constexpr unsigned first_folded = 0xC0;
constexpr unsigned end_folded = first_folded + sizeof LatinBases / sizeof LatinBases[0];

}  // namespace

char ascii_lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string fold_to_ascii(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      folded += ascii_lower(static_cast<char>(byte));
      continue;
    }
    // Two-byte UTF-8: a lead byte 110xxxxx and a continuation byte 10xxxxxx.
    if ((byte & 0xE0) == 0xC0 && i + 1 < text.size()) {
      const auto next = static_cast<unsigned char>(text[i + 1]);
      const unsigned code = (byte & 0x1Fu) << 6 | (next & 0x3Fu);
      if ((next & 0xC0) == 0x80 && code >= first_folded && code < end_folded &&
          LatinBases[code - first_folded] != nullptr) {
        folded += LatinBases[code - first_folded];
        ++i;
        continue;
      }
    }
    folded += static_cast<char>(byte);
  }
  return folded;
}
