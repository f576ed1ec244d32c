// Resizing 32-bit pictures (4-byte pixels, rows top-down, no padding) for a
// display scale between the artwork sets. Bilinear: each target pixel takes
// the source position of its centre and blends the four nearest source
// pixels; channels are weighted alike, which suits straight and
// premultiplied alpha both.
#pragma once

#include <cstddef>
#include <cstdint>

// Writes a targetWidth x targetHeight picture to target from a
// sourceWidth x sourceHeight one. Sizes of 0 write nothing.
void ResizePixels(const std::uint8_t* source, int sourceWidth, int sourceHeight, std::uint8_t* target,
                  int targetWidth, int targetHeight);
