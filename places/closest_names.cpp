#include "places/closest_names.h"

#include <algorithm>
#include <numeric>

namespace {
char ascii_lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

int edit_distance(std::string_view a, std::string_view b) {
  // One row of the Levenshtein table at a time.
  std::vector<int> row(b.size() + 1);
  std::iota(row.begin(), row.end(), 0);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const int above = row[j];
      const int replaced =
          diagonal + (ascii_lower(a[i - 1]) == ascii_lower(b[j - 1]) ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, replaced});
      diagonal = above;
    }
  }
  return row[b.size()];
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
