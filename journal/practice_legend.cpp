#include "journal/practice_legend.h"

#include <algorithm>
#include <climits>
#include <cstddef>

namespace {

// The width of items [first, last) in one row, each one's words held to
// at most `cap`.
int RowWidth(const std::vector<LegendItem>& items, std::size_t first, std::size_t last, int gap, int cap) {
  int width = 0;
  for (std::size_t i = first; i < last; ++i) width += items[i].sign + std::min(items[i].words, cap);
  return width + gap * static_cast<int>(last - first - 1);
}

// The first item of every row when the items are shared between `rows`
// rows (each holding at least one) so that the widest is as narrow as it
// can be; *widest is its width. best[k][i] is the narrowest widest row
// for the first i items in k + 1 rows, from[k][i] where its last row starts.
std::vector<std::size_t> NarrowestSplit(const std::vector<LegendItem>& items, int gap, int rows, int* widest) {
  const std::size_t n = items.size();
  const std::size_t r = static_cast<std::size_t>(rows);
  std::vector<std::vector<int>> best(r, std::vector<int>(n + 1, INT_MAX));
  std::vector<std::vector<std::size_t>> from(r, std::vector<std::size_t>(n + 1, 0));
  for (std::size_t i = 1; i <= n; ++i) best[0][i] = RowWidth(items, 0, i, gap, INT_MAX);
  for (std::size_t k = 1; k < r; ++k) {
    for (std::size_t i = k + 1; i <= n; ++i) {
      for (std::size_t j = k; j < i; ++j) {
        if (best[k - 1][j] == INT_MAX) continue;
        const int w = std::max(best[k - 1][j], RowWidth(items, j, i, gap, INT_MAX));
        if (w < best[k][i]) {
          best[k][i] = w;
          from[k][i] = j;
        }
      }
    }
  }
  *widest = best[r - 1][n];
  std::vector<std::size_t> starts(r, 0);
  std::size_t end = n;
  for (std::size_t k = r - 1; k > 0; --k) {
    starts[k] = from[k][end];
    end = starts[k];
  }
  return starts;
}

}  // namespace

LegendLayout LayOutLegend(const std::vector<LegendItem>& items, int gap, int left, int right, int maxRows) {
  LegendLayout layout;
  if (items.empty()) return layout;
  const int room = right - left;
  const int most = std::max(1, std::min(maxRows, static_cast<int>(items.size())));
  // The fewest rows that hold the words as measured; else the most rows,
  // the narrowest they can be.
  std::vector<std::size_t> starts;
  for (int rows = 1; rows <= most; ++rows) {
    int widest = 0;
    starts = NarrowestSplit(items, gap, rows, &widest);
    if (widest <= room) break;
  }
  layout.rows = static_cast<int>(starts.size());
  layout.places.resize(items.size());
  for (std::size_t k = 0; k < starts.size(); ++k) {
    const std::size_t first = starts[k];
    const std::size_t last = k + 1 < starts.size() ? starts[k + 1] : items.size();
    // A row still too wide: the longest words share the room left by the
    // signs and gaps, each held to the largest common cap that fits.
    int cap = INT_MAX;
    if (RowWidth(items, first, last, gap, cap) > room) {
      int low = 0, high = 0;
      for (std::size_t i = first; i < last; ++i) high = std::max(high, items[i].words);
      while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (RowWidth(items, first, last, gap, middle) <= room) {
          low = middle;
        } else {
          high = middle - 1;
        }
      }
      cap = low;
    }
    const int width = RowWidth(items, first, last, gap, cap);
    int x = left + std::max(0, room - width) / 2;
    for (std::size_t i = first; i < last; ++i) {
      LegendPlace& place = layout.places[i];
      place.left = x;
      place.words = std::min(items[i].words, cap);
      place.row = static_cast<int>(k);
      x += items[i].sign + place.words + gap;
    }
  }
  return layout;
}
