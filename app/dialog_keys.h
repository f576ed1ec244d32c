// The keyboard of every window of the program that takes it, whichever
// modal loop runs. Each window is a dialog, and a dialog's loop hands the
// keys of its own window to the dialog manager (Tab, Shift+Tab, the arrows,
// Enter, Escape) but dispatches those of any other window plainly: with My
// Practice open, Tab in the main window would do nothing. A message filter
// of the thread hands each key to the dialog it is typed in.
#pragma once

// Installs the filter for the calling (the one GUI) thread, once.
void RouteDialogKeys();
