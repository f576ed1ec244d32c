// Helpers of the host decoder tests: PNG files assembled chunk by chunk,
// hand-made zlib/DEFLATE streams, and a run of the pipeline into a bitmap.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "png/png_decoder.h"

using Bytes = std::vector<uint8_t>;

Bytes Chunk(const char* type, const Bytes& data);
Bytes Ihdr(uint32_t width, uint32_t height, uint8_t depth, uint8_t colorType, uint8_t interlace = 0,
           uint8_t compression = 0, uint8_t filter = 0);
// Signature followed by the chunks.
Bytes PngFile(const std::vector<Bytes>& chunks);
// zlib stream of the data in stored blocks of at most blockSize bytes.
Bytes ZlibStored(const Bytes& data, size_t blockSize = 65535);
Bytes ZlibCompress(const Bytes& data, int level);

// DEFLATE bits: fields least significant bit first, Huffman codes most
// significant bit first.
struct BitWriter {
  Bytes bytes;
  uint32_t bitCount = 0;
  void Put(uint32_t value, uint32_t n);
  void PutCode(uint32_t code, uint32_t length);
  void FixedLiteral(uint32_t symbol);  // fixed literal/length code
  void FixedDistance(uint32_t code) { PutCode(code, 5); }
};

// The pipeline on bytes in memory: the record attached as a resource
// (not owned), decoded and written into a bitmap buffer.
struct Decoded {
  bool loaded = false, decoded = false, rows = false;
  uint32_t error = 0;
  uint32_t bitCount = 0, stride = 0, colors = 0, width = 0, height = 0;
  Bytes table;  // colors x (B, G, R, 0)
  Bytes bits;   // height x stride
};
Decoded DecodePng(const Bytes& file);
