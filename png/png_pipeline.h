// The whole decoding pipeline on PNG bytes in memory, as the programs run
// it, with a heap buffer in place of the DIB section. Used by the fuzz
// target and the crash-regression replay; it never crashes on any input.
#pragma once

#include <cstddef>
#include <cstdint>

#include "png/png_decoder.h"

struct PngPipelineResult {
  uint32_t error;  // the record's code after the last step
  bool loaded;
  bool decoded;
  bool rows;       // the row stage succeeded
  uint32_t width, height, bitCount, stride, colors;
  uint64_t checksum;  // FNV-1a over colour table and rows, when rows
};

// Images whose inflated data or bitmap exceed limit bytes are loaded but
// not decoded (so that a fuzzer does not spend its memory on them).
PngPipelineResult PngRunPipeline(const uint8_t* data, size_t size, uint32_t limit);
