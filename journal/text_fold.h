// Case folding for the dream journal's search and its dream-sign counts,
// without ICU or the C locale: "Flying", "FLYING" and "flying" fold alike,
// and so do "СОН" and "сон", "CAFÉ" and "café". No windows.h.
//
// The fold is the simple (one code point to one) lower-casing of ASCII,
// Latin-1 Supplement, Latin Extended-A, Greek and Coptic, Cyrillic and the
// Cyrillic Supplement, with these foldings of Unicode's case-folding table:
// µ to Greek μ, ſ to s, final ς to σ and the Greek symbol forms (ϐ ϑ ϕ ϖ ϰ ϱ
// ϵ) to their letters. İ folds to a plain i. Anything else, CJK included,
// has no case here and passes through, and so do bytes that are not UTF-8.
// Accents are kept: "cafe" does not match "café".
#pragma once

#include <string>
#include <string_view>

// The folded form of one code point.
char32_t FoldCodePoint(char32_t c);
// The folded form of a UTF-8 text.
std::string FoldCase(std::string_view utf8);
// True when the folded needle occurs in the folded haystack; an empty needle
// occurs everywhere. Both folded with FoldCase, so that a match never starts
// or ends inside a UTF-8 sequence.
bool ContainsFolded(std::string_view haystackFolded, std::string_view needleFolded);
