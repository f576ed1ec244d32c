// Where a word picture stands when the system's animations are off: still,
// at a random place of the work area instead of drifting. The work area is
// cut into one band per picture, across its whole width, and each picture
// stands in its own band, so that the two questions never cover each other.
#pragma once

struct StandingPlace {
  int x = 0;
  int y = 0;
};

// The top-left of a width x height picture in band `band` of `bands`
// (counted from the top) of the work area, its place in the band chosen by
// the two random numbers. The picture stays inside the work area; one
// taller than its band starts at the band's top (moved up where it would
// pass the area's bottom), one larger than the area at its top or left.
StandingPlace ChooseStandingPlace(int workLeft, int workTop, int workRight, int workBottom, int width, int height,
                                  int band, int bands, unsigned randomX, unsigned randomY);
