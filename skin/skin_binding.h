// What every skinned control kind shares: the saved window procedure of
// each kind, binding a control object to its window, loading the pictures
// of an attach and handing them to the manager, fitting and plain painting.
#pragma once

#include "skin/skin_manager.h"

enum SkinKind {
  kKindButton,
  kKindToggle,
  kKindRadio,
  kKindLabel,
  kKindSlider,
  kKindArrow,
  kKindLevelBar,
  kKindTrackBar,
  kKindProgress,
  kKindCount
};

// Passes a message to the procedure the kind's subclassing replaced; a
// screen reader's WM_GETOBJECT is answered for the kind first.
LRESULT PassOn(int kind, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// What the kind's control tells a screen reader (skin_accessible.cpp): the
// answer to WM_GETOBJECT, or 0 to leave it to the standard object.
LRESULT AnswerSkinObject(int kind, HWND window, WPARAM wParam, LPARAM lParam);

// The dialog's control with the id, when it can take this kind's procedure:
// every control of a kind must be of the window class of the first one,
// since one saved procedure serves them all. None otherwise.
HWND FindSkinControl(const SkinManager* m, int controlId, int kind);

// Stores the object in the window's user data, subclasses it with the
// kind's entry procedure (once: a window already subclassed keeps its saved
// procedure) and records the binding so ReleaseSkin can undo it.
void BindControl(SkinManager* m, HWND window, void* object, int kind, WNDPROC entry);

// Appends once: attaching the same object again does not list it twice.
template <typename T>
void ListOnce(std::vector<T*>& list, T* object) {
  for (T* p : list) {
    if (p == object) return;
  }
  list.push_back(object);
}

// One picture of an attach: a resource id, or a file path when path is set.
// Absent when the id is 0 or the path is empty.
struct PictureRef {
  int id = 0;
  const char* path = nullptr;
  bool present() const { return path ? path[0] != '\0' : id != 0; }
};
inline PictureRef PictureById(int id) { return PictureRef{id, nullptr}; }
inline PictureRef PictureByPath(const std::string& path) { return PictureRef{0, path.c_str()}; }

// Loads the pictures in order into out[]. Absent optional pictures give
// none. On any failure the ones already loaded are deleted and false is
// returned; on success the manager owns them until ReleaseSkin.
bool LoadPictures(SkinManager* m, const PictureRef* refs, const bool* optional, int count, HBITMAP* out);

// Hands over an object (a rotated picture, a brush) for ReleaseSkin.
void OwnObject(SkinManager* m, HGDIOBJ object);
// Drops a picture the manager owns (replaced by its rotated copy).
void DropObject(SkinManager* m, HGDIOBJ object);
// A memory context compatible with the screen, SaveDC'd, holding the
// picture; given back by ReleaseSkin.
HDC MakePictureContext(SkinManager* m, HBITMAP picture, int* savedState);

bool PictureSize(HBITMAP picture, int* width, int* height);
void InvalidateControl(HWND window);
// Client coordinates of the window's top-left in its parent.
POINT PositionInParent(HWND window);

// Paints the picture at (pos) at its own size straight onto context, through
// a temporary memory context.
void BlitPicture(HDC context, HBITMAP picture, int x, int y);
