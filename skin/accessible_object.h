// What a window tells a screen reader through Active Accessibility where
// the standard object that oleacc makes from its class and text says too
// little: a picture control's role and state, the words a layered popup
// shows in its picture, the lines of text drawn into a picture. The window
// answers WM_GETOBJECT with an object that takes these facts from the
// window as it is at each question and leaves the rest (place, parent,
// focus, the default action, the window's own children) to the standard
// object. Nothing is made before a screen reader asks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct AccessibleFacts {
  std::string name;     // UTF-8; empty: the standard object's (the window text)
  long role = 0;        // ROLE_SYSTEM_...; 0: the standard object's
  long state = 0;       // STATE_SYSTEM_... added to the standard object's
  bool hasValue = false;
  std::string value;    // UTF-8, when hasValue
  // Lines of text read as read-only text children, after the window's own
  // children (UTF-8).
  std::vector<std::string> lines;
};

// Fills in the facts of the window as it is now. Called at every question
// a screen reader asks, so the answers follow the window.
using AccessibleDescriber = void (*)(HWND window, AccessibleFacts* facts);

// The answer to WM_GETOBJECT: for OBJID_CLIENT, a reference to an object
// that answers from `describe`; 0 otherwise or when none can be made, and
// the message goes on to the window's own procedure as before.
LRESULT AnswerAccessibleObject(HWND window, WPARAM wParam, LPARAM lParam, AccessibleDescriber describe);

// Gives a control its name as its window text (UTF-8), where screen
// readers and the standard object look for it. Picture controls never
// draw their window text.
void SetControlName(HWND dialog, int controlId, const char* name);

// Names a standard control whose window text is its content (a search box,
// a list, an editor) and that has no label before it: its WM_GETOBJECT is
// answered with the name (UTF-8), the rest by the standard object. Naming
// it again replaces the name; the name goes with the window.
void SetAccessibleName(HWND control, const char* name);
