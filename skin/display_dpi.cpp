#include "skin/display_dpi.h"

#include <vector>

#include "png/png_loader.h"
#include "skin/dialog_template.h"
#include "skin/display_scale.h"
#include "skin/layered_window.h"
#include "skin/picture_scale.h"
#include "skin/plain_look.h"
#include "skin/system_look.h"
#include "skin/window_math.h"

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

// A function of a system library that older Windows may lack; none then.
// The detour through a parameterless function type is the conversion C++
// allows between function pointer types.
template <typename Fn>
Fn LookUp(HMODULE module, const char* name) {
  FARPROC found = module ? GetProcAddress(module, name) : nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(found));
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kBaseDpi;
}

// GetDpiForMonitor lives in shcore.dll (Windows 8.1 and later); the
// library stays loaded for the life of the process once found.
int MonitorDpi(HMONITOR monitor) {
  static HMODULE shcore = LoadLibraryA("shcore.dll");
  static auto getDpiForMonitor = LookUp<GetDpiForMonitorFn>(shcore, "GetDpiForMonitor");
  UINT x = 0, y = 0;
  constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
  if (monitor && getDpiForMonitor && getDpiForMonitor(monitor, kEffectiveDpi, &x, &y) == S_OK && y > 0) {
    return static_cast<int>(y);
  }
  return SystemDpi();
}

// A copy of a 32-bit top-down picture at another size; none on failure.
HBITMAP ResizedCopy(HWND window, HBITMAP picture, int width, int height) {
  DIBSECTION section = {};
  if (GetObjectA(picture, sizeof section, &section) != sizeof section || section.dsBm.bmBitsPixel != 32 ||
      !section.dsBm.bmBits || section.dsBmih.biHeight >= 0) {
    return nullptr;
  }
  BITMAPINFO info = TopDown32BitmapInfo(width, height);
  HDC dc = GetDC(window);
  void* bits = nullptr;
  HBITMAP copy = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dc) ReleaseDC(window, dc);
  if (!copy || !bits) {
    if (copy) DeleteObject(copy);
    return nullptr;
  }
  GdiFlush();
  ResizePixels(static_cast<const std::uint8_t*>(section.dsBm.bmBits), section.dsBm.bmWidth, -section.dsBmih.biHeight,
               static_cast<std::uint8_t*>(bits), width, height);
  return copy;
}

// A 32-bit top-down copy of a picture of any depth, every pixel opaque;
// none on failure.
HBITMAP OpaqueCopy(HWND window, HBITMAP picture) {
  BITMAP bm = {};
  if (!GetObjectA(picture, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight == 0) return nullptr;
  const int width = bm.bmWidth;
  const int height = bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
  BITMAPINFO info = TopDown32BitmapInfo(width, height);
  HDC dc = GetDC(window);
  void* bits = nullptr;
  HBITMAP copy = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const bool read = copy && bits && GetDIBits(dc, picture, 0, static_cast<UINT>(height), bits, &info, DIB_RGB_COLORS) == height;
  if (dc) ReleaseDC(window, dc);
  if (!read) {
    if (copy) DeleteObject(copy);
    return nullptr;
  }
  GdiFlush();
  auto* pixels = static_cast<std::uint8_t*>(bits);
  for (std::size_t i = 0, n = static_cast<std::size_t>(width) * height; i < n; ++i) pixels[i * 4 + 3] = 255;
  return copy;
}

}  // namespace

int WindowDpi(HWND window) {
  static auto getDpiForWindow = LookUp<GetDpiForWindowFn>(GetModuleHandleA("user32.dll"), "GetDpiForWindow");
  if (window && getDpiForWindow) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

int PrimaryMonitorDpi() { return MonitorDpi(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)); }

bool LoadPngResourceAtDpi(HWND window, int resourceId, int dpi, HBITMAP* bitmap, int size[2]) {
  int scale = ArtworkScaleForDpi(dpi);
  HBITMAP picture = nullptr;
  int own[2] = {0, 0};
  if (!LoadPngResource(window, ScaledPictureId(resourceId, scale), &picture, own)) {
    scale = 100;
    if (!LoadPngResource(window, resourceId, &picture, own)) return false;
  }
  // Between or beyond the sets: the set's picture resized to the DPI.
  const int setDpi = kBaseDpi * scale / 100;
  if (picture && dpi > 0 && dpi != setDpi) {
    const int width = (own[0] * dpi + setDpi / 2) / setDpi;
    const int height = (own[1] * dpi + setDpi / 2) / setDpi;
    if (width > 0 && height > 0) {
      HBITMAP resized = ResizedCopy(window, picture, width, height);
      if (resized) {
        DeleteObject(picture);
        picture = resized;
        own[0] = width;
        own[1] = height;
      }
    }
  }
  *bitmap = picture;
  size[0] = own[0];
  size[1] = own[1];
  return true;
}

bool PlaceDialogControls(HWND dialog, int templateId, int dpi) {
  HMODULE module = reinterpret_cast<HMODULE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
  HGLOBAL handle = info ? LoadResource(module, info) : nullptr;
  const void* bytes = handle ? LockResource(handle) : nullptr;
  DialogTemplateLayout layout;
  if (!bytes || !ReadDialogTemplate(static_cast<const std::uint8_t*>(bytes), SizeofResource(module, info), &layout)) {
    return false;
  }
  // The dialog manager creates the controls in template order, each below
  // the ones before, so the children in z-order are the template's items.
  std::vector<HWND> children;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  for (size_t i = 0; i < layout.controls.size(); ++i) {
    const TemplateControl& control = layout.controls[i];
    HWND window = i < children.size() ? children[i] : nullptr;
    if (!window || GetDlgCtrlID(window) != control.id) window = GetDlgItem(dialog, control.id);
    if (!window) continue;
    const PixelRect r = DialogUnitsToPixels(control.rect, dpi);
    SetWindowPos(window, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return true;
}

RECT WorkAreaOf(HWND window) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor) &&
      !IsRectEmpty(&monitor.rcWork)) {
    return monitor.rcWork;
  }
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

void CenterWindowOnItsMonitor(HWND window) {
  const RECT work = WorkAreaOf(window);
  RECT own = {};
  GetWindowRect(window, &own);
  const ScreenPoint p = CentreInWorkArea(ScreenRect{work.left, work.top, work.right, work.bottom},
                                         own.right - own.left, own.bottom - own.top);
  SetWindowPos(window, HWND_TOP, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

HFONT CreatePointFontAtDpi(const char* face, int points, int weight, int escapement, int dpi) {
  // The 96-DPI height times the scale, rounded down: a text grows exactly
  // as the artwork around it, never more, so a line that fits its panel at
  // 100 % fits at every scale (10 points: 13 pixels at 96 DPI, 19 at 144,
  // where points x 144 / 72 would give 20, half a pixel more than 150 %).
  const int pixels = MulDiv(points, kBaseDpi, 72) * dpi / kBaseDpi;
  return CreateFontA(-pixels, 0, escapement, escapement, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

namespace {

// Marks a background static whose picture this code put there (and owns),
// as opposed to the bitmap the dialog manager loaded from the template.
constexpr char kScaledBackground[] = "SmxScaledBackground";

HWND BackgroundStatic(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Static") == 0) return child;
  }
  return nullptr;
}

}  // namespace

int ScalePercentOfDpi(int dpi) { return ((dpi > 0 ? dpi : kBaseDpi) * 100 + kBaseDpi / 2) / kBaseDpi; }

SIZE ShowBackgroundAtDpi(HWND dialog, int bitmapId, int dpi, const std::vector<PictureText>& words) {
  SIZE result = {0, 0};
  HWND control = BackgroundStatic(dialog);
  if (!control) return result;
  const bool replaced = GetPropA(control, kScaledBackground) != nullptr;
  // High contrast: the plain look at the artwork's size, with the same
  // words (skin/plain_look.h).
  const bool plain = HighContrastOn();
  HBITMAP picture = nullptr;
  int size[2] = {0, 0};
  if (dpi != kBaseDpi) {
    LoadPngResourceAtDpi(dialog, bitmapId, dpi, &picture, size);
  } else if (replaced || !words.empty() || plain) {
    picture = static_cast<HBITMAP>(LoadImageA(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE)),
                                              MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, 0));
  }
  if (picture && (!words.empty() || plain)) {
    // Words need a picture GDI can blend into: a 32-bit copy of whatever
    // the resource gave (the 100 % bitmaps are device bitmaps, one of them
    // 24-bit), opaque like the backgrounds themselves.
    HBITMAP copy = OpaqueCopy(dialog, picture);
    DeleteObject(picture);
    picture = copy;
    if (picture) {
      ForgetDrawnTexts(picture);  // a new picture, perhaps under a deleted one's handle
      if (plain) {
        DrawPlainPicture(picture, ScalePercentOfDpi(dpi), words, {});
      } else {
        DrawPictureTexts(picture, ScalePercentOfDpi(dpi), words);
      }
    }
  }
  if (picture) {
    // The control may keep a copy of a picture with alpha instead of the
    // picture itself; whichever it keeps is freed when it is replaced.
    HGDIOBJ previous = reinterpret_cast<HGDIOBJ>(
        SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
    if (previous && previous != picture) DeleteObject(previous);
    if (reinterpret_cast<HGDIOBJ>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0)) != picture) {
      DeleteObject(picture);
    }
    SetPropA(control, kScaledBackground, reinterpret_cast<HANDLE>(1));
  }
  HBITMAP shown = reinterpret_cast<HBITMAP>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
  BITMAP info = {};
  if (!shown || !GetObjectA(shown, sizeof info, &info)) return result;
  result.cx = info.bmWidth;
  result.cy = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  SetWindowPos(control, nullptr, 0, 0, result.cx, result.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(dialog, nullptr, 0, 0, result.cx, result.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return result;
}

void ReleaseBackground(HWND dialog) {
  HWND control = BackgroundStatic(dialog);
  if (!control) return;
  HGDIOBJ picture = reinterpret_cast<HGDIOBJ>(SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, 0));
  if (picture) DeleteObject(picture);
  RemovePropA(control, kScaledBackground);
}

void TakeOverDialogScaling(HWND dialog) {
  // DIALOG_DPI_CHANGE_BEHAVIORS and DIALOG_CONTROL_DPI_CHANGE_BEHAVIORS.
  constexpr int kDialogDisableAll = 0x0001;        // DDC_DISABLE_ALL
  constexpr int kControlDisableFont = 0x0001;      // DCDC_DISABLE_FONT_UPDATE
  constexpr int kControlDisableRelayout = 0x0002;  // DCDC_DISABLE_RELAYOUT
  using DialogFn = BOOL(WINAPI*)(HWND, int, int);
  using ControlFn = BOOL(WINAPI*)(HWND, int, int);
  static HMODULE user32 = GetModuleHandleA("user32.dll");
  static auto setDialog = LookUp<DialogFn>(user32, "SetDialogDpiChangeBehavior");
  static auto setControl = LookUp<ControlFn>(user32, "SetDialogControlDpiChangeBehavior");
  if (setDialog) setDialog(dialog, kDialogDisableAll, kDialogDisableAll);
  if (!setControl) return;
  constexpr int kControlBoth = kControlDisableFont | kControlDisableRelayout;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    setControl(child, kControlBoth, kControlBoth);
  }
}

void MoveToSuggestedRect(HWND window, const RECT* suggested) {
  if (!suggested) return;
  RECT own = {};
  if (!GetWindowRect(window, &own)) return;
  const ScreenPoint corner =
      CentreInWorkArea({suggested->left, suggested->top, suggested->right, suggested->bottom},
                       own.right - own.left, own.bottom - own.top);
  SetWindowPos(window, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR DpiChangeHandled(HWND dialog) {
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
  return TRUE;
}
