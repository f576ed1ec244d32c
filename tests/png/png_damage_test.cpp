// Hand-built inputs, one per failure the decoder distinguishes, each with
// its exact error code; and the damage that is deliberately not detected.
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>

#include "tests/png/png_test_util.h"

namespace {

// A 3x1 8-bit grey image: filter byte 0 and the samples 10, 20, 30.
const Bytes kRaw = {0, 10, 20, 30};

Bytes GreyPng(const Bytes& zlib, std::vector<Bytes> extra = {}) {
  std::vector<Bytes> chunks = {Ihdr(3, 1, 8, 0), Chunk("IDAT", zlib)};
  chunks.insert(chunks.end(), extra.begin(), extra.end());
  chunks.push_back(Chunk("IEND", {}));
  return PngFile(chunks);
}

// A zlib stream of one final fixed-code block built by fill().
Bytes FixedStream(const std::function<void(BitWriter&)>& fill) {
  BitWriter w;
  w.Put(0x78, 8);
  w.Put(0x01, 8);
  w.Put(1, 1);  // final
  w.Put(1, 2);  // fixed codes
  fill(w);
  return w.bytes;
}

void FixedLiterals(BitWriter& w, const Bytes& bytes) {
  for (uint8_t b : bytes) w.FixedLiteral(b);
}

// Dynamic block header: HLIT 257, HDIST 1, code-length code given in
// transmission order (16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, ...).
void DynamicHeader(BitWriter& w, const std::vector<uint32_t>& codeLengthLengths) {
  w.Put(1, 1);
  w.Put(2, 2);
  w.Put(0, 5);  // HLIT = 257
  w.Put(0, 5);  // HDIST = 1
  w.Put(uint32_t(codeLengthLengths.size() - 4), 4);
  for (uint32_t len : codeLengthLengths) w.Put(len, 3);
}

Bytes ZlibHeader(BitWriter& w) {
  w.Put(0x78, 8);
  w.Put(0x01, 8);
  return {};
}

// Code-length code with 2 -> "0", 17 -> "10", 18 -> "11", then lengths:
// literal 0 and 256 of length 2 ("00" and "01"), one distance code.
// Codes "10" and "11" of the literal/length alphabet match nothing.
void SmallDynamicTables(BitWriter& w) {
  DynamicHeader(w, {0, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
  w.PutCode(0, 1);                        // literal 0: length 2
  w.PutCode(3, 2); w.Put(127, 7);         // 138 zeros
  w.PutCode(3, 2); w.Put(117 - 11, 7);    // 117 zeros: up to symbol 255
  w.PutCode(0, 1);                        // 256: length 2
  w.PutCode(0, 1);                        // distance 0: length 2
}

struct Case {
  const char* name;
  Bytes file;
  bool loads, decodes, rows;
  uint32_t error;
};

Bytes WithByte(Bytes file, size_t at, uint8_t value) {
  file[at] = value;
  return file;
}

std::vector<Case> Cases() {
  const Bytes good = GreyPng(ZlibStored(kRaw));
  std::vector<Case> cases;
  auto loadFails = [&](const char* name, Bytes file, uint32_t code) {
    cases.push_back({name, std::move(file), false, false, false, code});
  };
  auto decodeFails = [&](const char* name, Bytes file, uint32_t code) {
    cases.push_back({name, std::move(file), true, false, false, code});
  };
  auto decodes = [&](const char* name, Bytes file) {
    cases.push_back({name, std::move(file), true, true, true, 0});
  };

  decodes("StoredBlocks", good);
  loadFails("FifteenBytes", Bytes(good.begin(), good.begin() + 15), 0x2000);
  loadFails("BadSignature", WithByte(good, 1, 'p'), 0x2000);
  loadFails("ZeroWidth", PngFile({Ihdr(0, 1, 8, 0), Chunk("IDAT", ZlibStored(kRaw))}), 0x2000);
  loadFails("ZeroHeight", PngFile({Ihdr(3, 0, 8, 0), Chunk("IDAT", ZlibStored(kRaw))}), 0x2000);
  loadFails("WidthAbove2To31", PngFile({Ihdr(0x80000000u, 1, 8, 0), Chunk("IDAT", ZlibStored(kRaw))}), 0x2000);
  loadFails("FirstChunkNotIhdr", PngFile({Chunk("gAMA", {0, 0, 0, 1}), Ihdr(3, 1, 8, 0)}), 0x2000);
  // An IHDR of 8 data bytes fits in the file but holds no depth or types.
  loadFails("IhdrShorterThan13", PngFile({Chunk("IHDR", {0, 0, 0, 3, 0, 0, 0, 1})}), 0x2000);
  loadFails("IhdrCutOff", Bytes(good.begin(), good.begin() + 20), 0x2000);
  loadFails("UnknownCriticalAfterIend", PngFile({Ihdr(3, 1, 8, 0), Chunk("IDAT", ZlibStored(kRaw)),
                                                 Chunk("IEND", {}), Chunk("BLOB", {1})}), 0x2001);
  loadFails("RgbDepth4", PngFile({Ihdr(3, 1, 4, 2), Chunk("IDAT", ZlibStored(kRaw))}), 0x2001);
  loadFails("PaletteDepth16", PngFile({Ihdr(3, 1, 16, 3), Chunk("PLTE", {1, 2, 3})}), 0x2001);
  loadFails("ColourType5", PngFile({Ihdr(3, 1, 8, 5)}), 0x2001);
  loadFails("Interlace2", PngFile({Ihdr(3, 1, 8, 0, 2), Chunk("IDAT", ZlibStored(kRaw))}), 0x2001);
  loadFails("CompressionMethod1", PngFile({Ihdr(3, 1, 8, 0, 0, 1)}), 0x2001);
  loadFails("FilterMethod1", PngFile({Ihdr(3, 1, 8, 0, 0, 0, 1)}), 0x2001);
  loadFails("PaletteWithoutPlte", PngFile({Ihdr(3, 1, 8, 3), Chunk("IDAT", ZlibStored(kRaw))}), 0x2000);
  loadFails("PaletteWithEmptyPlte", PngFile({Ihdr(3, 1, 8, 3), Chunk("PLTE", {}), Chunk("IDAT", ZlibStored(kRaw))}), 0x2000);

  decodes("AncillaryChunksSkipped", PngFile({Ihdr(3, 1, 8, 0), Chunk("tEXt", {'a', 0, 'b'}), Chunk("gAMA", {0, 1, 2, 3}),
                                             Chunk("tRNS", {0, 10}), Chunk("zzZz", {9}), Chunk("IDAT", ZlibStored(kRaw)),
                                             Chunk("IEND", {})}));
  decodes("LowerCaseIhdrLetterCounts", WithByte(good, 12, 'i'));
  {
    Bytes cut = good;
    Bytes tail = Chunk("tEXt", Bytes(40, 'x'));
    cut.insert(cut.end(), tail.begin(), tail.begin() + 20);
    decodes("CutOffTrailingChunk", cut);
  }
  {
    Bytes bad = good;
    for (size_t i = 29; i < 33; ++i) bad[i] ^= 0x5A;  // IHDR's CRC
    bad[bad.size() - 1] ^= 1;                        // IEND's CRC
    decodes("WrongCrcs", bad);
  }
  decodes("WrongFcheck", GreyPng(WithByte(ZlibStored(kRaw), 1, 0x02)));
  {
    Bytes z = ZlibStored(kRaw);
    z.back() ^= 0xFF;
    decodes("WrongAdler", GreyPng(z));
    z.resize(z.size() - 4);
    decodes("MissingAdler", GreyPng(z));
  }
  {
    // The stream over five IDAT chunks, empty ones among them.
    Bytes z = ZlibCompress(kRaw, 9);
    std::vector<Bytes> chunks = {Ihdr(3, 1, 8, 0), Chunk("IDAT", {})};
    for (size_t i = 0; i < z.size(); i += 3) {
      chunks.push_back(Chunk("IDAT", Bytes(z.begin() + long(i), z.begin() + long(std::min(i + 3, z.size())))));
      chunks.push_back(Chunk("IDAT", {}));
    }
    chunks.push_back(Chunk("IEND", {}));
    decodes("StreamOverManyIdatChunks", PngFile(chunks));
  }
  {
    // A chunk between IDATs ends the stream: its second half is lost.
    Bytes z = ZlibStored(kRaw);
    decodeFails("ChunkBetweenIdatsEndsStream",
                PngFile({Ihdr(3, 1, 8, 0), Chunk("IDAT", Bytes(z.begin(), z.begin() + 6)),
                         Chunk("tEXt", {'a', 0}), Chunk("IDAT", Bytes(z.begin() + 6, z.end())), Chunk("IEND", {})}),
                0x2000);
  }
  decodeFails("FewerBytesThanRawSize", GreyPng(FixedStream([](BitWriter& w) {
                FixedLiterals(w, {0, 10});
                w.FixedLiteral(256);
              })), 0x2000);
  decodeFails("MoreBytesThanRawSize", GreyPng(FixedStream([](BitWriter& w) {
                FixedLiterals(w, {0, 10});
                w.FixedLiteral(257);  // length 3 at distance 1: five bytes in all
                w.FixedDistance(0);
                w.FixedLiteral(256);
              })), 0x2000);
  // 5x1: 0, 10 and a match of length 4 at distance 1 repeats the 10.
  decodes("OverlappingMatch", PngFile({Ihdr(5, 1, 8, 0), Chunk("IDAT", FixedStream([](BitWriter& w) {
                                        FixedLiterals(w, {0, 10});
                                        w.FixedLiteral(258);
                                        w.FixedDistance(0);
                                        w.FixedLiteral(256);
                                      })), Chunk("IEND", {})}));
  decodeFails("DistanceBeforeStart", GreyPng(FixedStream([](BitWriter& w) {
                FixedLiterals(w, {0});
                w.FixedLiteral(257);
                w.FixedDistance(1);  // distance 2, one byte written
                w.FixedLiteral(256);
              })), 0x2000);
  decodeFails("DistanceCode30", GreyPng(FixedStream([](BitWriter& w) {
                FixedLiterals(w, {0});
                w.FixedLiteral(257);
                w.FixedDistance(30);
              })), 0x2000);
  decodeFails("DistanceCode31", GreyPng(FixedStream([](BitWriter& w) {
                FixedLiterals(w, {0});
                w.FixedLiteral(257);
                w.FixedDistance(31);
              })), 0x2000);
  decodeFails("LengthCode286", GreyPng(FixedStream([](BitWriter& w) {
                FixedLiterals(w, {0});
                w.FixedLiteral(286);
              })), 0x2000);
  decodeFails("LengthCode287", GreyPng(FixedStream([](BitWriter& w) {
                FixedLiterals(w, {0});
                w.FixedLiteral(287);
              })), 0x2000);
  {
    BitWriter w;
    ZlibHeader(w);
    w.Put(1, 1);
    w.Put(3, 2);  // block type 3
    decodeFails("BlockType3", GreyPng(w.bytes), 0x2000);
  }
  {
    Bytes z = ZlibStored(kRaw);
    z[5] ^= 1;  // NLEN
    decodeFails("StoredLenNlenMismatch", GreyPng(z), 0x2000);
  }
  decodeFails("ZlibMethod7", GreyPng(WithByte(ZlibStored(kRaw), 0, 0x77)), 0x2000);
  decodeFails("ZlibWindow8", GreyPng(WithByte(ZlibStored(kRaw), 0, 0x88)), 0x2000);
  decodeFails("ZlibPresetDictionary", GreyPng(WithByte(ZlibStored(kRaw), 1, 0x20)), 0x2000);
  {
    Bytes z = ZlibStored(kRaw);
    decodeFails("StoredDataCutOff", GreyPng(Bytes(z.begin(), z.begin() + 9)), 0x2000);
    decodeFails("StoredHeaderCutOff", GreyPng(Bytes(z.begin(), z.begin() + 4)), 0x2000);
  }
  {
    Bytes z = ZlibCompress(Bytes(4, 0), 9);
    decodeFails("DeflateDataCutOff", GreyPng(Bytes(z.begin(), z.begin() + 3)), 0x2000);
  }
  decodeFails("NoIdat", PngFile({Ihdr(3, 1, 8, 0), Chunk("IEND", {})}), 0x2000);
  // Too large to hold: rawSize (and the bitmap) beyond 32 bits.
  decodeFails("TooLargeForRawSize", PngFile({Ihdr(0x7FFFFFFFu, 0x7FFFFFFFu, 8, 6), Chunk("IDAT", ZlibStored(kRaw))}), 0x1001);
  decodeFails("TooLargeForBitmap", PngFile({Ihdr(0x7FFFFFFFu, 1, 8, 6), Chunk("IDAT", ZlibStored(kRaw))}), 0x1001);
  {
    BitWriter w;
    ZlibHeader(w);
    SmallDynamicTables(w);
    for (int i = 0; i < 4; ++i) w.PutCode(0, 2);  // literal 0
    w.PutCode(1, 2);                               // end of block
    decodes("DynamicCodes", GreyPng(w.bytes));
  }
  {
    BitWriter w;
    ZlibHeader(w);
    SmallDynamicTables(w);
    w.PutCode(0, 2);
    w.PutCode(3, 2);  // matches no code of length 1 or 2, nor any longer
    for (int i = 0; i < 4; ++i) w.Put(0xFF, 8);
    decodeFails("CodeMatchingNothing", GreyPng(w.bytes), 0x2000);
  }
  {
    BitWriter w;
    ZlibHeader(w);
    DynamicHeader(w, {1, 1, 0, 0});  // 16 -> "0", 17 -> "1"
    w.PutCode(0, 1);                 // 16 with nothing before it
    w.Put(0, 2);
    decodeFails("Repeat16First", GreyPng(w.bytes), 0x2000);
  }
  {
    BitWriter w;
    ZlibHeader(w);
    DynamicHeader(w, {0, 0, 1, 1});  // 18 -> "1", 0 -> "0"
    w.PutCode(1, 1); w.Put(127, 7);  // 138 zeros
    w.PutCode(1, 1); w.Put(127, 7);  // 276 > 258 lengths
    decodeFails("RepeatPastHlitHdist", GreyPng(w.bytes), 0x2000);
  }
  {
    BitWriter w;
    ZlibHeader(w);
    DynamicHeader(w, {1, 1, 1, 0});  // three codes of length 1
    decodeFails("OverSubscribedCodeLengths", GreyPng(w.bytes), 0x2000);
  }
  {
    BitWriter w;
    ZlibHeader(w);
    DynamicHeader(w, {0, 0, 1, 1});
    w.PutCode(1, 1); w.Put(127, 7);        // 138 zeros
    w.PutCode(1, 1); w.Put(120 - 11, 7);   // 120 zeros: all 258 lengths 0
    decodeFails("NoEndOfBlockCode", GreyPng(w.bytes), 0x2000);
  }
  {
    Bytes raw = kRaw;
    raw[0] = 5;
    cases.push_back({"FilterType5", GreyPng(ZlibStored(raw)), true, true, false, 0});
  }
  return cases;
}

TEST(PngDamage, EachInputFailsWithItsCodeOrDecodes) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    Decoded d = DecodePng(c.file);
    EXPECT_EQ(c.loads, d.loaded);
    EXPECT_EQ(c.decodes, d.decoded);
    EXPECT_EQ(c.rows, d.rows);
    EXPECT_EQ(c.error, d.error);
  }
}

TEST(PngDamage, DecodedGreyImageHasItsSamples) {
  for (const char* name : {"StoredBlocks", "WrongAdler", "MissingAdler", "StreamOverManyIdatChunks",
                           "CutOffTrailingChunk", "WrongCrcs", "WrongFcheck"}) {
    SCOPED_TRACE(name);
    for (const Case& c : Cases()) {
      if (std::string(c.name) != name) continue;
      Decoded d = DecodePng(c.file);
      ASSERT_TRUE(d.rows);
      EXPECT_EQ(8u, d.bitCount);
      EXPECT_EQ(4u, d.stride);
      EXPECT_EQ(10, d.bits[0]);
      EXPECT_EQ(20, d.bits[1]);
      EXPECT_EQ(30, d.bits[2]);
    }
  }
  Decoded dynamic, overlap;
  for (const Case& c : Cases()) {
    if (std::string(c.name) == "DynamicCodes") dynamic = DecodePng(c.file);
    if (std::string(c.name) == "OverlappingMatch") overlap = DecodePng(c.file);
  }
  ASSERT_TRUE(dynamic.rows);
  EXPECT_EQ(Bytes({0, 0, 0}), Bytes(dynamic.bits.begin(), dynamic.bits.begin() + 3));
  ASSERT_TRUE(overlap.rows);
  EXPECT_EQ(Bytes(5, 10), Bytes(overlap.bits.begin(), overlap.bits.begin() + 5));
}

// The record's states refuse calls made in the wrong order.
TEST(PngLifecycle, WrongOrderCallsAreRefused) {
  const Bytes file = GreyPng(ZlibStored(kRaw));
  PngDecoder png;
  PngInit(&png);
  EXPECT_FALSE(PngDecode(&png));
  EXPECT_EQ(0x2003u, +png.error);
  ASSERT_TRUE(PngBeginLoad(&png));
  ASSERT_TRUE(PngAttachInput(&png, file.data(), uint32_t(file.size()), kPngFromResource));
  EXPECT_EQ(1, +png.state);
  EXPECT_EQ(0u, +png.error);
  uint8_t bits[4];
  EXPECT_FALSE(PngWriteRows(&png, bits));  // bitmap before decode
  EXPECT_FALSE(PngBeginLoad(&png));         // load into a loaded record
  EXPECT_EQ(0x1002u, +png.error);
  EXPECT_EQ(1, +png.state);
  EXPECT_EQ(file.data(), +png.input);
  ASSERT_TRUE(PngDecode(&png));
  EXPECT_EQ(2, +png.state);
  EXPECT_EQ(4u, +png.rawSize);
  EXPECT_FALSE(PngDecode(&png));  // decode twice
  EXPECT_EQ(0x2003u, +png.error);
  EXPECT_EQ(2, +png.state);
  EXPECT_TRUE(PngWriteRows(&png, bits));
  EXPECT_TRUE(PngWriteRows(&png, bits));  // again: raw is left as it was
  EXPECT_EQ(10, bits[0]);
  PngFree(&png);
  EXPECT_EQ(0, +png.state);
  EXPECT_EQ(nullptr, +png.input);
  EXPECT_TRUE(PngBeginLoad(&png));  // after PngFree it loads again
}

TEST(PngLifecycle, FailedDecodeLeavesRecordParsed) {
  Bytes z = ZlibStored(kRaw);
  z[5] ^= 1;
  const Bytes file = GreyPng(z);
  PngDecoder png;
  PngInit(&png);
  ASSERT_TRUE(PngBeginLoad(&png));
  ASSERT_TRUE(PngAttachInput(&png, file.data(), uint32_t(file.size()), kPngFromResource));
  EXPECT_FALSE(PngDecode(&png));
  EXPECT_EQ(0x2000u, +png.error);
  EXPECT_EQ(1, +png.state);
  EXPECT_EQ(nullptr, +png.raw);
  PngFree(&png);
}

TEST(PngLifecycle, FailedLoadAttachesNothing) {
  const Bytes file = PngFile({Ihdr(3, 1, 4, 2)});
  PngDecoder png;
  PngInit(&png);
  ASSERT_TRUE(PngBeginLoad(&png));
  EXPECT_FALSE(PngAttachInput(&png, file.data(), uint32_t(file.size()), kPngFromResource));
  EXPECT_EQ(0x2001u, +png.error);
  EXPECT_EQ(0, +png.state);
  EXPECT_EQ(0, +png.source);
  EXPECT_EQ(nullptr, +png.input);
  EXPECT_TRUE(PngBeginLoad(&png));
}

TEST(PngRecord, IsBytePackedInItsFieldOrder) {
#if UINTPTR_MAX == 0xFFFFFFFFu
  EXPECT_EQ(59u, sizeof(PngDecoder));
#else
  EXPECT_EQ(83u, sizeof(PngDecoder));
#endif
  EXPECT_EQ(16u, offsetof(PngDecoder, colorType));
  EXPECT_EQ(19u, offsetof(PngDecoder, input));
}

}  // namespace
