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

const std::string e_acute = "\xC3\xA9";           // 2 bytes
const std::string euro = "\xE2\x82\xAC";          // 3 bytes
const std::string grinning = "\xF0\x9F\x98\x80";  // 4 bytes

TEST(WholeCharacters, ShortTextsAreTakenWhole) {
  EXPECT_EQ(cut23(""), "");
  EXPECT_EQ(cut23("Prasna"), "Prasna");
  EXPECT_EQ(cut23(std::string(23, 'x')), std::string(23, 'x'));
  EXPECT_EQ(cut23(std::string(24, 'x')), std::string(23, 'x'));
}

TEST(WholeCharacters, CutFallsBeforeACharacterItWouldSplit) {
  const struct {
    std::string text;
    std::string kept;
  } cases[] = {
      // Character ending exactly at byte 23: kept.
      {std::string(21, 'a') + e_acute + "bc", std::string(21, 'a') + e_acute},
      {std::string(20, 'a') + euro + "bc", std::string(20, 'a') + euro},
      {std::string(19, 'a') + grinning + "bc", std::string(19, 'a') + grinning},
      // Character across byte 23: left out.
      {std::string(22, 'a') + e_acute, std::string(22, 'a')},
      {std::string(21, 'a') + euro, std::string(21, 'a')},
      {std::string(22, 'a') + euro, std::string(22, 'a')},
      {std::string(20, 'a') + grinning, std::string(20, 'a')},
      {std::string(21, 'a') + grinning, std::string(21, 'a')},
      {std::string(22, 'a') + grinning, std::string(22, 'a')},
      // Text of many-byte characters only.
      {e_acute + e_acute + e_acute + e_acute + e_acute + e_acute + e_acute + e_acute +
           e_acute + e_acute + e_acute + e_acute,
       e_acute + e_acute + e_acute + e_acute + e_acute + e_acute + e_acute + e_acute +
           e_acute + e_acute + e_acute},
  };
  for (const auto& c : cases) EXPECT_EQ(cut23(c.text), c.kept) << c.text;
}

TEST(WholeCharacters, MalformedTextIsCutAtTheLimit) {
  // Latin-1 bytes and stray continuation bytes are not characters to save.
  EXPECT_EQ(cut23(std::string(30, '\xE9')), std::string(23, '\xE9'));
  EXPECT_EQ(cut23(std::string(30, '\xA0')), std::string(23, '\xA0'));
  EXPECT_EQ(cut23(std::string(22, 'a') + "\xA0\xA0"), std::string(22, 'a') + "\xA0");
}
}  // namespace
