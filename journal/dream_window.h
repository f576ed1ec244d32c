// The dream journal window ("SMX - Dream Journal"): the mornings newest
// first with a search, the user's dream signs, and the editor of one dream,
// saved while typing. Standard Unicode controls in a skinned frame.
#pragma once

#include <windows.h>

#include "journal/dream_file.h"

inline constexpr const char kJournalTitle[] = "SMX - Dream Journal";

// Opens the journal, or brings it forward when it is open already. Returns
// when it is closed (it runs modally, like My Practice).
void RunDreamJournal();
// The same, at a new dream of last night of this kind, with the keyboard
// in its text.
void RunDreamJournalAtNewDream(DreamKind kind);
