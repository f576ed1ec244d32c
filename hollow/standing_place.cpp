#include "hollow/standing_place.h"

namespace {

// A start in [low, high - size], or low when the size does not fit.
int PlaceIn(int low, int high, int size, unsigned random) {
  const int room = high - low - size;
  if (room <= 0) return low;
  return low + static_cast<int>(random % (static_cast<unsigned>(room) + 1));
}

}  // namespace

StandingPlace ChooseStandingPlace(int workLeft, int workTop, int workRight, int workBottom, int width, int height,
                                  int band, int bands, unsigned randomX, unsigned randomY) {
  if (bands < 1) bands = 1;
  if (band < 0) band = 0;
  if (band >= bands) band = bands - 1;
  const long long tall = workBottom > workTop ? workBottom - workTop : 0;
  const int bandTop = workTop + static_cast<int>(tall * band / bands);
  const int bandBottom = workTop + static_cast<int>(tall * (band + 1) / bands);
  StandingPlace place;
  place.x = PlaceIn(workLeft, workRight, width, randomX);
  // Taller than its band: at the band's top, moved up only as far as the
  // work area's bottom asks, and never above the area's top.
  place.y = PlaceIn(bandTop, bandBottom, height, randomY);
  if (place.y + height > workBottom) place.y = workBottom - height;
  if (place.y < workTop) place.y = workTop;
  return place;
}
