#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

// Letters inserted, deleted or replaced to turn one text into the other,
// ignoring ASCII case.
int edit_distance(std::string_view a, std::string_view b);

// The edit distance when it is below bound; else some number not below it,
// found sooner: a search for the nearest of many names gives up on a name as
// soon as it cannot come nearer than those already found.
int edit_distance_below(std::string_view a, std::string_view b, int bound);

// The characters of a text counted, ASCII letters in lower case, to bound
// its edit distance to others from below cheaply.
struct CharacterCounts {
  std::array<int, 256> count{};
  int size = 0;
};
CharacterCounts character_counts(std::string_view text);

// The characters that only one of the two texts holds need an edit each: a
// distance that edit_distance never goes below. counts is left as it was.
int characters_apart(CharacterCounts& counts, std::string_view other);

// The indices of the count smallest distances, smallest first; equal
// distances keep their order, so a list sorted by importance stays so.
std::vector<std::size_t> nearest_first(const std::vector<int>& distances,
                                       std::size_t count);
