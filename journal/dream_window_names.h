// The dream journal as a screen reader reads it: the controls that have no
// label of their own before them (the search box, the lists, the kind,
// the editor) named for what they hold.
#pragma once

#include <windows.h>

void NameJournalControls(HWND window);
