// The arithmetic of the skinned value controls, free of Windows: thumb and
// fill clamps, wheel steps, arrow placement, progress stepping and the frame
// of a rotated picture. The Win32 controls call these with their fields.
#pragma once

// Mouse coordinates arrive as unsigned 16-bit words, so a position left of
// or above a control reads as a large number; anything beyond this counts as
// such a wrap-around.
constexpr int kWrappedPosition = 59999;

// The slider's thumb kept within [min, max]. Horizontally a wrapped-around x
// goes to the minimum; vertically only the range applies.
void ClampSliderPosition(bool vertical, int* x, int* y, int minX, int minY, int maxX, int maxY);
// One wheel notch: forward moves a horizontal thumb right and a vertical
// thumb up. Not clamped.
void WheelSliderPosition(bool vertical, int wheelDelta, int step, int* x, int* y);

// Level bar: the fill's left edge from -fillWidth (empty) to rangeX.
int ClampLevelPosition(int positionX, int fillWidth, int rangeX);
// Track bar: the thumb's left edge from 0 to rangeX.
int ClampTrackPosition(int positionX, int rangeX);
// A wheel notch on a bar's position (not clamped).
int WheelBarPosition(int positionX, int wheelDelta, int step);

// Where an arrow goes beside its slider, and how it is turned.
struct ArrowPlacement {
  int degrees;   // rotation of the right-pointing artwork
  int stepSign;  // 1 or -1, applied to the owner's step
  int x, y;      // top-left in the slider's parent
};
// tx, ty: slider's top-left; tw, th: its track picture; aw, ah: the rotated
// arrow picture.
ArrowPlacement PlaceArrow(int direction, int tx, int ty, int tw, int th, int aw, int ah);
// Rotation of arrows only (the size of the rotated picture is needed to place it).
int ArrowRotation(int direction);

// Next value of a progress bar: inside (0, width) it moves by delta; at or
// beyond either end it restarts at 1 (loop) or shows full.
int StepProgressValue(int value, int width, int delta, bool loop);

// The frame of a w x h picture turned by degrees: the transform's cosine
// and sine (single precision, from the 3.1415/180 constant), the new size
// and the offsets that bring the turned corners to (0, 0).
struct RotationFrame {
  float cs, sn;
  int width, height;
  float dx, dy;
};
RotationFrame ComputeRotationFrame(int degrees, int w, int h);

// Copies 32-bit pixels (top-down rows) of a w x h picture into a
// frame.width x frame.height target through the frame's transform: each
// target pixel whose centre maps back inside the picture takes that source
// pixel; the others keep what the target held (the background).
void TransformPixels(const unsigned* source, int w, int h, const RotationFrame& frame, unsigned* target);
