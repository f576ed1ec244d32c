#include "skin/skin_binding.h"

#include "png/png_loader.h"
#include "skin/display_dpi.h"
#include "skin/focus_mark_draw.h"

namespace {

// One saved procedure per kind, process-wide: the procedure that
// subclassing replaced, the kind's own entry procedure and the window class
// they belong to.
WNDPROC g_savedProc[kKindCount];
WNDPROC g_entryProc[kKindCount];
char g_className[kKindCount][64];

}  // namespace

namespace {

// Messages on which a push button's own procedure may draw its face
// straight onto the screen rather than through WM_PAINT (Wine's does for
// its pushed state, e.g. on release); the control is repainted afterwards
// so that its picture shows again.
bool DrawsItself(UINT message) {
  switch (message) {
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
      return true;
  }
  return false;
}

}  // namespace

LRESULT PassOn(int kind, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETOBJECT) {
    if (const LRESULT answer = AnswerSkinObject(kind, window, wParam, lParam)) return answer;
  }
  if (!g_savedProc[kind]) return DefWindowProcW(window, message, wParam, lParam);
  const LRESULT result = CallWindowProcW(g_savedProc[kind], window, message, wParam, lParam);
  if (DrawsItself(message)) InvalidateControl(window);
  return result;
}

HWND FindSkinControl(const SkinManager* m, int controlId, int kind) {
  HWND window = GetDlgItem(m->dialog, controlId);
  if (!window) return nullptr;
  if (g_savedProc[kind]) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, g_className[kind]) != 0) return nullptr;
  }
  return window;
}

void BindControl(SkinManager* m, HWND window, void* object, int kind, WNDPROC entry) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
  // A Unicode subclass, so that the control's text (its name for screen
  // readers) goes to them in every script, not through the code page.
  WNDPROC current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  if (current != entry) {
    // Saving our own procedure as the previous one would make every message
    // call itself, so a window bound before only gets its object replaced.
    WNDPROC previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry)));
    if (!g_savedProc[kind]) {
      g_savedProc[kind] = previous;
      g_entryProc[kind] = entry;
      GetClassNameA(window, g_className[kind], sizeof g_className[kind]);
    }
  }
  for (const SkinBinding& b : m->bindings) {
    if (b.window == window && b.kind == kind) return;
  }
  m->bindings.push_back(SkinBinding{window, kind});
}

bool LoadPictures(SkinManager* m, const PictureRef* refs, const bool* optional, int count, HBITMAP* out) {
  for (int i = 0; i < count; ++i) out[i] = nullptr;
  for (int i = 0; i < count; ++i) {
    if (optional[i] && !refs[i].present()) continue;
    int size[2] = {0, 0};
    bool loaded = refs[i].path ? LoadPngFile(m->dialog, refs[i].path, &out[i], size)
                               : LoadPngResourceAtDpi(m->dialog, refs[i].id, m->dpi, &out[i], size);
    if (!loaded || !out[i]) {
      out[i] = nullptr;
      for (int j = 0; j < i; ++j) {
        if (out[j]) DeleteObject(out[j]);
        out[j] = nullptr;
      }
      return false;
    }
  }
  for (int i = 0; i < count; ++i) {
    if (out[i]) m->ownedObjects.push_back(out[i]);
  }
  return true;
}

void OwnObject(SkinManager* m, HGDIOBJ object) {
  if (object) m->ownedObjects.push_back(object);
}

void DropObject(SkinManager* m, HGDIOBJ object) {
  for (size_t i = 0; i < m->ownedObjects.size(); ++i) {
    if (m->ownedObjects[i] == object) {
      m->ownedObjects.erase(m->ownedObjects.begin() + static_cast<std::ptrdiff_t>(i));
      DeleteObject(object);
      return;
    }
  }
}

HDC MakePictureContext(SkinManager* m, HBITMAP picture, int* savedState) {
  HDC screen = GetDC(nullptr);
  HDC context = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  *savedState = 0;
  if (!context) return nullptr;
  *savedState = SaveDC(context);
  SelectObject(context, picture);
  m->ownedContexts.push_back(SkinOwnedContext{context, *savedState});
  return context;
}

bool PictureSize(HBITMAP picture, int* width, int* height) {
  BITMAP info = {};
  if (!picture || !GetObjectA(picture, sizeof info, &info)) {
    *width = *height = 0;
    return false;
  }
  *width = info.bmWidth;
  *height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  return true;
}

void InvalidateControl(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE);
}

POINT PositionInParent(HWND window) {
  POINT origin = {0, 0};
  MapWindowPoints(window, GetParent(window), &origin, 1);
  return origin;
}

void BlitPicture(HDC context, HBITMAP picture, int x, int y) {
  int width = 0, height = 0;
  PictureSize(picture, &width, &height);
  HDC memory = CreateCompatibleDC(context);
  HGDIOBJ previous = SelectObject(memory, picture);
  BitBlt(context, x, y, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
}

void FitWindowToImage(HWND window, HBITMAP picture) {
  int width = 0, height = 0;
  PictureSize(picture, &width, &height);
  POINT origin = PositionInParent(window);
  MoveWindow(window, origin.x, origin.y, width, height, TRUE);
}

void PaintImage(HWND window, HBITMAP picture) {
  PAINTSTRUCT ps;
  HDC context = BeginPaint(window, &ps);
  BlitPicture(context, picture, 0, 0);
  int width = 0, height = 0;
  if (FocusMarkShown(window) && PictureSize(picture, &width, &height)) {
    DrawFocusMark(window, context, width, height, RECT{0, 0, 0, 0});
  }
  EndPaint(window, &ps);
}

void ReleaseSkin(SkinManager* m) {
  for (const SkinBinding& b : m->bindings) {
    if (!IsWindow(b.window)) continue;
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(b.window, GWLP_WNDPROC)) == g_entryProc[b.kind]) {
      SetWindowLongPtrW(b.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_savedProc[b.kind]));
    }
    SetWindowLongPtrA(b.window, GWLP_USERDATA, 0);
    if (b.kind == kKindArrow) KillTimer(b.window, 5);
    InvalidateControl(b.window);
  }
  // Contexts first: a picture still selected into one cannot be deleted.
  for (const SkinOwnedContext& c : m->ownedContexts) {
    RestoreDC(c.context, c.savedState);
    DeleteDC(c.context);
  }
  for (size_t i = 0; i < m->ownedObjects.size(); ++i) {
    bool seen = false;
    for (size_t j = 0; j < i; ++j) seen = seen || m->ownedObjects[j] == m->ownedObjects[i];
    if (!seen) DeleteObject(m->ownedObjects[i]);
  }
  m->ownedContexts.clear();
  m->ownedObjects.clear();
  m->bindings.clear();
  m->colorStatics.clear();
  m->buttons.clear();
  m->radios.clear();
  m->toggles.clear();
  m->arrows.clear();
}
