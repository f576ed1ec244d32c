// Dates in the words of the language in use, written by Windows: the
// month and weekday names of every language come from Windows' own
// locale data, and a translation only says in which order they stand.
#pragma once

#include <windows.h>

#include <string>

// The Windows locale of the language in use; US English for English, for
// the tests' pseudo-language and for a language Windows does not know.
LCID LanguageLocale();

// A date written after a GetDateFormat picture ("d MMM": "5 Jan", in
// Russian "5 янв") in the language in use. Empty when Windows cannot.
std::wstring FormatLanguageDate(const SYSTEMTIME& date, const char* utf8Picture);
