// libFuzzer target over the decoder's whole pipeline: header scan,
// inflation, unfiltering, conversion, Adam7 scatter and the record's
// life cycle, under ASan and UBSan.
#include <cstddef>
#include <cstdint>

#include "png/png_pipeline.h"

// Images above 2 MiB of inflated data or bitmap are only loaded: larger
// ones exercise nothing new and, slowed down by the instrumentation, would
// trip libFuzzer's timeout.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PngRunPipeline(data, size, 2u << 20);
  return 0;
}
