#include "app/main_window_names.h"

#include <commctrl.h>
#include <oleacc.h>

#include <string>

#include "resources/resource_ids.h"
#include "settings/translation.h"
#include "skin/accessible_object.h"

namespace {

struct ControlName {
  int id;
  const char* context;
  const char* name;
};

// The names of the picture buttons, read by a screen reader; the pictures
// never show them.
constexpr ControlName kNames[] = {
    // Translators: the name a screen reader reads for the main window's
    // SET button, which stores the minutes chosen in the box beside it.
    {IDC_SET, "main window button", NC_("main window button", "Set")},
    // Translators: the name a screen reader reads for the main window's
    // TEST button under the reality check, which shows one now.
    {IDC_TEST_REALITY, "main window button", NC_("main window button", "Test the reality check")},
    // Translators: the name a screen reader reads for the main window's
    // TEST button beside the Vododi Reminders switch (the drifting questions).
    {IDC_TEST_HOLLOW, "main window button", NC_("main window button", "Test Vododi Reminders")},
    // Translators: the name a screen reader reads for the on/off switch of
    // Vododi Reminders (the questions drifting on the desktop); read as a
    // check box.
    {IDC_SWITCH, "main window button", NC_("main window button", "Vododi Reminders")},
    // Translators: the name a screen reader reads for the main window's x,
    // which hides the window to the notification area (the tray).
    {IDC_HIDE, "main window button", NC_("main window button", "Hide to the notification area")},
    // Translators: the name a screen reader reads for the main window's
    // "?" button, which opens the about box with help and the licence.
    {IDC_ABOUT, "main window button", NC_("main window button", "Help")},
    // Translators: the names a screen reader reads for the share buttons
    // at the bottom of the main window.
    {IDC_TWITTER, "main window button", NC_("main window button", "Share on Twitter")},
    // Translators: the names a screen reader reads for the share buttons
    // at the bottom of the main window.
    {IDC_GOOGLEPLUS, "main window button", NC_("main window button", "Open the Google+ page")},
    // Translators: the names a screen reader reads for the share buttons
    // at the bottom of the main window.
    {IDC_FACEBOOK, "main window button", NC_("main window button", "Open the Facebook page")},
    // Translators: the name a screen reader reads for the web button at
    // the bottom right of the main window, which opens the maker's site.
    {IDC_WEB, "main window button", NC_("main window button", "Open the maker's web page")},
};

std::string Utf8Text(HWND window) {
  wchar_t text[64] = L"";
  const int length = GetWindowTextW(window, text, 64);
  if (length <= 0) return std::string();
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) WideCharToMultiByte(CP_UTF8, 0, text, length, &utf8[0], size, nullptr, nullptr);
  return utf8;
}

// The interval box has no label of its own (the artwork writes "Every ...
// Minute" around it), so it says its name itself, with the minutes shown.
void DescribeIntervalBox(HWND box, AccessibleFacts* facts) {
  // Translators: the name a screen reader reads for the main window's box
  // of minutes (10, 30, 60 or 90) between two reality checks.
  facts->name = TrC("main window", "Minutes between reality checks");
  facts->role = ROLE_SYSTEM_COMBOBOX;
  facts->hasValue = true;
  facts->value = Utf8Text(box);
}

constexpr UINT_PTR kIntervalSubclassId = 1;

LRESULT CALLBACK IntervalBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_GETOBJECT) {
    if (const LRESULT answer = AnswerAccessibleObject(box, wParam, lParam, DescribeIntervalBox)) return answer;
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(box, IntervalBoxProc, kIntervalSubclassId);
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

void NameMainWindowControls(HWND window) {
  for (const ControlName& c : kNames) SetControlName(window, c.id, TrC(c.context, c.name));
  // The tips panel reads the tip it shows; its template text is no name.
  SetControlName(window, IDC_TIPS, "");
  // Subclassing a second time only replaces the same entry.
  if (HWND box = GetDlgItem(window, IDC_INTERVAL)) SetWindowSubclass(box, IntervalBoxProc, kIntervalSubclassId, 0);
}
