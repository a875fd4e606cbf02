#include "places/closest_names.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace {
char ascii_lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

int edit_distance(std::string_view a, std::string_view b) {
  return edit_distance_below(a, b, std::numeric_limits<int>::max());
}

int edit_distance_below(std::string_view a, std::string_view b, int bound) {
  // The lengths' difference is a distance no name can beat.
  const auto apart =
      static_cast<int>(a.size() > b.size() ? a.size() - b.size() : b.size() - a.size());
  if (apart >= bound) return apart;
  // One row of the Levenshtein table at a time; no later row's smallest
  // entry is below this row's.
  std::vector<int> row(b.size() + 1);
  std::iota(row.begin(), row.end(), 0);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    int smallest = row[0];
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const int above = row[j];
      const int replaced =
          diagonal + (ascii_lower(a[i - 1]) == ascii_lower(b[j - 1]) ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, replaced});
      smallest = std::min(smallest, row[j]);
      diagonal = above;
    }
    if (smallest >= bound) return smallest;
  }
  return row[b.size()];
}

CharacterCounts character_counts(std::string_view text) {
  CharacterCounts counts;
  for (const char c : text) ++counts.count[static_cast<unsigned char>(ascii_lower(c))];
  counts.size = static_cast<int>(text.size());
  return counts;
}

int characters_apart(CharacterCounts& counts, std::string_view other) {
  // Each character of other takes one of the counted, while there are any
  // left; the counts are given back after.
  int shared = 0;
  for (const char c : other)
    if (--counts.count[static_cast<unsigned char>(ascii_lower(c))] >= 0) ++shared;
  for (const char c : other) ++counts.count[static_cast<unsigned char>(ascii_lower(c))];
  return std::max(counts.size, static_cast<int>(other.size())) - shared;
}

std::vector<std::size_t> nearest_first(const std::vector<int>& distances,
                                       std::size_t count) {
  std::vector<std::size_t> order(distances.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  count = std::min(count, order.size());
  // Equal distances by index: the order a stable sort keeps.
  std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(count),
                    order.end(), [&distances](std::size_t x, std::size_t y) {
                      return distances[x] != distances[y] ? distances[x] < distances[y]
                                                          : x < y;
                    });
  order.resize(count);
  return order;
}
