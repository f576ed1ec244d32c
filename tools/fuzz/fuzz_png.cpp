// libFuzzer target over the decoder's whole pipeline: header scan,
// inflation, unfiltering, conversion, Adam7 scatter and the record's
// life cycle, under ASan and UBSan.
#include <cstddef>
#include <cstdint>

#include "png/png_pipeline.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PngRunPipeline(data, size, 16u << 20);
  return 0;
}
