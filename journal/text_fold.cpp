#include "journal/text_fold.h"

namespace {

inline bool Even(char32_t c) { return (c & 1) == 0; }

// Greek and Coptic, U+0370..U+03FF.
char32_t FoldGreek(char32_t c) {
  if (c <= 0x373) return Even(c) ? c + 1 : c;
  if (c == 0x376) return 0x377;
  if (c == 0x37F) return 0x3F3;
  if (c == 0x386) return 0x3AC;
  if (c >= 0x388 && c <= 0x38A) return c + 37;
  if (c == 0x38C) return 0x3CC;
  if (c == 0x38E || c == 0x38F) return c + 63;
  if ((c >= 0x391 && c <= 0x3A1) || (c >= 0x3A3 && c <= 0x3AB)) return c + 32;
  if (c >= 0x3D8 && c <= 0x3EF) return Even(c) ? c + 1 : c;
  if (c >= 0x3FD) return c - 130;  // Ͻ Ͼ Ͽ to ͻ ͼ ͽ
  switch (c) {
    case 0x3C2: return 0x3C3;  // final sigma
    case 0x3CF: return 0x3D7;
    case 0x3D0: return 0x3B2;
    case 0x3D1: return 0x3B8;
    case 0x3D5: return 0x3C6;
    case 0x3D6: return 0x3C0;
    case 0x3F0: return 0x3BA;
    case 0x3F1: return 0x3C1;
    case 0x3F4: return 0x3B8;
    case 0x3F5: return 0x3B5;
    case 0x3F7: return 0x3F8;
    case 0x3F9: return 0x3F2;
    case 0x3FA: return 0x3FB;
    default: return c;
  }
}

// Cyrillic and the Cyrillic Supplement, U+0400..U+052F.
char32_t FoldCyrillic(char32_t c) {
  if (c <= 0x40F) return c + 80;  // Ѐ..Џ to ѐ..џ
  if (c <= 0x42F) return c + 32;  // А..Я to а..я
  if (c < 0x460) return c;
  // Upper case first in each pair, except U+04C1..U+04CE where the pairs
  // start on odd code points after the lone Ӏ.
  if (c <= 0x481 || (c >= 0x48A && c <= 0x4BF) || c >= 0x4D0) return Even(c) ? c + 1 : c;
  if (c == 0x4C0) return 0x4CF;
  if (c >= 0x4C1 && c <= 0x4CE) return Even(c) ? c : c + 1;
  return c;
}

// Latin Extended-A, U+0100..U+017F: pairs of upper then lower case, their
// parity shifting after ĸ and ŉ.
char32_t FoldLatinExtendedA(char32_t c) {
  if (c == 0x130) return 'i';
  if (c == 0x178) return 0xFF;
  if (c == 0x17F) return 's';
  if (c <= 0x137 || (c >= 0x14A && c <= 0x177)) return Even(c) ? c + 1 : c;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return Even(c) ? c : c + 1;
  return c;
}

// Every code point that folds lies below U+0800, and so does what it folds
// to: one or two bytes.
void PutTwoByteUtf8(char32_t c, std::string* out) {
  if (c < 0x80) {
    *out += static_cast<char>(c);
  } else {
    *out += static_cast<char>(0xC0 | (c >> 6));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

char32_t FoldCodePoint(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 32 : c;
  if (c < 0x100) {
    if (c == 0xB5) return 0x3BC;
    return c >= 0xC0 && c <= 0xDE && c != 0xD7 ? c + 32 : c;
  }
  if (c < 0x180) return FoldLatinExtendedA(c);
  if (c >= 0x370 && c <= 0x3FF) return FoldGreek(c);
  if (c >= 0x400 && c <= 0x52F) return FoldCyrillic(c);
  return c;
}

std::string FoldCase(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  const std::size_t size = utf8.size();
  for (std::size_t at = 0; at < size;) {
    const unsigned char lead = static_cast<unsigned char>(utf8[at]);
    if (lead < 0x80) {
      out += static_cast<char>(lead >= 'A' && lead <= 'Z' ? lead + 32 : lead);
      ++at;
      continue;
    }
    // Only two-byte sequences (U+0080..U+07FF) hold letters with a case
    // here; anything else is copied a byte at a time.
    if (lead >= 0xC2 && lead <= 0xDF && at + 1 < size &&
        (static_cast<unsigned char>(utf8[at + 1]) & 0xC0) == 0x80) {
      const char32_t c = (static_cast<char32_t>(lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[at + 1]) & 0x3F);
      PutTwoByteUtf8(FoldCodePoint(c), &out);
      at += 2;
      continue;
    }
    out += static_cast<char>(lead);
    ++at;
  }
  return out;
}

bool ContainsFolded(std::string_view haystackFolded, std::string_view needleFolded) {
  return haystackFolded.find(needleFolded) != std::string_view::npos;
}
