// The tray menu's items for the reality check and the morning question.
// Neither popup takes the keyboard, so the menu is the keyboard's way to
// them: while a reality check shows, "I Did The Check" and "Not Now"; while
// the morning question is open, "Answer The Morning Question" with its three
// answers, or "Write it down" once a dream was answered. They stand at the
// top of the menu, and only while it is open.
#pragma once

#include <windows.h>

// Puts the items of the popups shown now at the top of the menu; returns
// how many entries were put there (the separator under them included).
int InsertPopupItems(HMENU menu);
// Takes the `count` entries InsertPopupItems put there away again.
void RemovePopupItems(HMENU menu, int count);
// Does what a chosen item of these says; false for any other command.
bool OnPopupItemCommand(UINT command);
