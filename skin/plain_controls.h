// The picture controls in high contrast: each paints itself plainly
// (skin/plain_look.h) instead of its pictures, reading the system's setting
// at every paint, so that a window switching to or from high contrast only
// has to repaint them. A button shows the glyph its owner gave it, or its
// window text; a switch shows its state; a label its text on a bordered
// panel. Hover shows as the highlight, the focus as a dotted rectangle
// while the keyboard cues are on.
#pragma once

#include "skin/plain_look.h"
#include "skin/skin_manager.h"

// What the button shows in high contrast (its caption, unless told).
void SetPlainGlyph(HWND control, PlainGlyph glyph);
// The caption a button shows in high contrast in place of its window text
// (its name for a screen reader), where the artwork shows other words: a
// constant UTF-8 text that outlives the control.
void SetPlainCaption(HWND control, const char* text);

// Each paints the control (BeginPaint to EndPaint) and returns true while
// high contrast is on; false otherwise, having done nothing.
bool PaintPlainButton(const SkinButton* b, HWND window);
bool PaintPlainToggle(const SkinToggle* t, HWND window);
// A label's panel: the background with a border, width x height, into the
// label's paint buffer; false (nothing drawn) when high contrast is off.
bool PaintPlainPanel(HDC dc, int width, int height);
