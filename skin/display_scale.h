// Display-scale arithmetic that needs no window: which artwork set serves a
// DPI, the resource number of a picture in that set, and dialog-unit
// layouts in pixels at a DPI. The dialogs are designed for an 8-point font
// of 6 x 13 pixels per 4 x 8 dialog units at 96 DPI; placing their controls
// from these sums instead of the system's dialog font keeps every control on
// the place its artwork paints for it, whatever font the system has.
#pragma once

constexpr int kBaseDpi = 96;

// The artwork sets, in percent of the 96-DPI size.
constexpr int kArtworkScales[] = {100, 125, 150, 200};

// The set for a DPI: the smallest set not below the DPI's scale, and the
// 200 % set above 200 % (drawn enlarged). A DPI of 0 or less counts as 96.
int ArtworkScaleForDpi(int dpi);

// The resource number of a picture in a set: the 100 % set keeps the
// design's numbers; the others add 100 x their percent (12500 for 125 %,
// 15000 for 150 %, 20000 for 200 %), which stays clear of every design
// number and below the 65536 a resource number may reach.
int ScaledPictureId(int id, int scalePercent);

// pixels x dpi / 96, rounded to the nearest (halves away from zero).
int ScalePixels(int pixels, int dpi);

// A rectangle as a dialog template states it, in dialog units.
struct DialogUnitRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The rectangle in pixels at the DPI: horizontal values x 6 / 4 and
// vertical ones x 13 / 8, times dpi / 96, each rounded once. Origin and
// size are mapped separately, as the dialog manager does.
PixelRect DialogUnitsToPixels(const DialogUnitRect& units, int dpi);
