// The decoder's heap on the host: the C runtime's.
#include <cstdlib>

#include "png/png_decoder.h"

void* PngAllocate(uint32_t size) { return std::malloc(size ? size : 1); }

void PngRelease(void* block) { std::free(block); }
