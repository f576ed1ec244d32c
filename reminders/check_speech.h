// The words of each kind of reality check, in the language in use, as a
// screen reader reads the popup when it appears: its heading, the question
// and the kind's two lines, or the text check's word and time, or the
// dream sign and its question. No windows.h.
#pragma once

#include <string>
#include <string_view>

#include "reminders/check_choice.h"

// "Reality check. Is this a dream? Look at your hand. Count your fingers,
// then look again." for the hand; `word` and `clock` are the text check's,
// `sign` the dream-sign check's (ignored for the other kinds).
std::string RealityCheckSpeech(CheckKind kind, std::string_view word, std::string_view clock, std::string_view sign);
