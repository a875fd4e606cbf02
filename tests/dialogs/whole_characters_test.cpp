#include "dialogs/whole_characters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
std::string cut23(const std::string& text) {
  char area[32];
  std::memset(area, '#', sizeof area);
  copy_whole_characters(area, text.c_str(), 23);
  return area;
}

// Mended: the cut at 23 bytes split a UTF-8 character.
TEST(WholeCharacters, CutKeepsAtMost23BytesEndingOnAWholeCharacter) {
  const std::string e_acute = "\xC3\xA9", euro = "\xE2\x82\xAC",
                    moon = "\xF0\x9F\x8C\x99";
  auto a = [](int n) { return std::string(n, 'a'); };
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {a(23), a(23)},
      {a(24), a(23)},
      // A character ending at byte 23 is kept, one across it left out.
      {a(21) + e_acute + "b", a(21) + e_acute},
      {a(19) + moon + "b", a(19) + moon},
      {a(22) + e_acute, a(22)},
      {a(21) + euro, a(21)},
      {a(22) + euro, a(22)},
      {a(20) + moon, a(20)},
      {a(22) + moon, a(22)},
      // Latin-1 bytes and stray continuation bytes are cut where they are.
      {std::string(30, '\xE9'), std::string(23, '\xE9')},
      {std::string(30, '\xA0'), std::string(23, '\xA0')}};
  for (const auto& [text, kept] : cases) EXPECT_EQ(cut23(text), kept) << text;
}
}  // namespace
