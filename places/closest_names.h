#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// Letters inserted, deleted or replaced to turn one text into the other,
// ignoring ASCII case.
int edit_distance(std::string_view a, std::string_view b);

// The indices of the count smallest distances, smallest first; equal
// distances keep their order, so a list sorted by importance stays so.
std::vector<std::size_t> nearest_first(const std::vector<int>& distances,
                                       std::size_t count);
