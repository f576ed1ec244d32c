// The legend under My Practice's chart: each of its items is a sign (a
// bar's colour, a moon) and the words after it, laid out from the widths
// the words measure in the language in use. The items stand in one row
// centred under the chart; where the row is too narrow for them they are
// shared between rows (in their order, the widest row as narrow as it can
// be), and where even that is too narrow the longest words are given less
// room (the drawing sets them smaller or cuts them). No windows.h: the
// Win32 half measures and draws.
#pragma once

#include <vector>

struct LegendItem {
  int sign = 0;   // the sign and the space between it and its words
  int words = 0;  // the words as measured
};

struct LegendPlace {
  int left = 0;   // where the sign starts
  int words = 0;  // the room of the words, after the sign: at most their measured width
  int row = 0;    // 0 for the first row
};

struct LegendLayout {
  std::vector<LegendPlace> places;  // one per item, in their order
  int rows = 0;
};

// Lays the items out between `left` and `right` with `gap` between two
// items of a row, in at most `maxRows` rows (at least one).
LegendLayout LayOutLegend(const std::vector<LegendItem>& items, int gap, int left, int right, int maxRows);
