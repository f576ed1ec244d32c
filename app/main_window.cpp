#include "app/main_window.h"

#include <commctrl.h>

#include <string>

#include "app/app_globals.h"
#include "app/gdi_usage.h"
#include "app/main_window_names.h"
#include "app/main_window_words.h"
#include "app/option_menus.h"
#include "app/reminder_pacing.h"
#include "app/shutdown.h"
#include "app/tray_icon.h"
#include "settings/wide_text.h"
#include "reminders/hollow_control.h"
#include "journal/dream_window.h"
#include "journal/morning_question.h"
#include "journal/practice_journal.h"
#include "reminders/reality_check.h"
#include "reminders/reminder_period.h"
#include "reminders/tips.h"
#include "resources/resource_ids.h"
#include "settings/about_box.h"
#include "settings/autostart.h"
#include "settings/config_store.h"
#include "settings/language.h"
#include "settings/settings_file.h"
#include "settings/shell_open.h"
#include "settings/share_links.h"
#include "settings/translation.h"
#include "skin/display_dpi.h"
#include "skin/display_scale.h"
#include "skin/layered_window.h"
#include "skin/picture_text.h"
#include "skin/plain_controls.h"
#include "skin/skin_label.h"
#include "skin/skin_manager.h"
#include "skin/system_look.h"

namespace {

constexpr const char* kIntervals[] = {"10", "30", "60", "90"};
constexpr int kIntervalCount = 4;
constexpr int kMainWindowOpacity = 230;
constexpr DWORD kFadeInStepMs = 15;
// Translators: the tooltip of the main window's button that hides it to
// the notification area; one short line.
constexpr const char kHideTooltip[] = N_("Minimize To Tray");

// The main window's skin: manager, then the controls.
SkinManager g_mainSkin;
SkinButton g_setButton, g_testRealityButton, g_testHollowButton, g_hideButton, g_aboutButton;
SkinButton g_twitterButton, g_googlePlusButton, g_facebookButton, g_webButton;
SkinToggle g_hollowSwitch;
SkinLabel g_tipsLabel;

HWND g_intervalBox = nullptr;
UINT g_reminderPeriodMs = 0;
bool g_tipsTimerHid = false;    // hidden start: the first tips tick hid the window
bool g_startupTimerHid = false;  // hidden start: the start-up tick hid the window
bool g_initialised = false;

// Display scale: the DPI the window is laid out for and the fonts made for it.
constexpr int kIntervalFieldHeight = 15;     // the interval box's edit field at 96 DPI
int g_mainDpi = kBaseDpi;
HFONT g_tipsFont = nullptr;
HFONT g_intervalFont = nullptr;

// The switch as the program's state and as the picture the window shows.
void SetSwitch(bool on) {
  g_hollowSwitchOn = on;
  SetToggleState(&g_hollowSwitch, on);
}

void ShowCurrentTip() {
  if (g_currentTip >= g_tips.size()) return;
  SetHint(&g_tipsLabel, &g_tipsLabel, Tr(g_tips[g_currentTip].c_str()));
  ShowHint(&g_tipsLabel);
}

void ShowNextTip() {
  g_currentTip = NextTipIndex(g_currentTip, static_cast<unsigned>(g_tips.size()));
  ShowCurrentTip();
}

void AttachSkin(HWND window) {
  const SkinTheme theme = {};
  Init(&g_mainSkin, window, &theme);
  g_mainSkin.dpi = g_mainDpi;
  AttachButton(&g_mainSkin, &g_setButton, IDC_SET, IDP_SET, IDP_SET_HOVER, 0);
  AttachButton(&g_mainSkin, &g_testRealityButton, IDC_TEST_REALITY, IDP_TEST, IDP_TEST_HOVER, 0);
  AttachButton(&g_mainSkin, &g_testHollowButton, IDC_TEST_HOLLOW, IDP_TEST, IDP_TEST_HOVER, 0);
  AttachButton(&g_mainSkin, &g_hideButton, IDC_HIDE, IDP_HIDE, IDP_HIDE_HOVER, 0);
  AttachButton(&g_mainSkin, &g_aboutButton, IDC_ABOUT, IDP_ABOUT, IDP_ABOUT_HOVER, 0);
  AttachToggle(&g_mainSkin, &g_hollowSwitch, IDC_SWITCH, IDP_SWITCH_OFF, IDP_SWITCH_ON, 0, 0);
  SetToggleState(&g_hollowSwitch, g_hollowSwitchOn);
  AttachButton(&g_mainSkin, &g_twitterButton, IDC_TWITTER, IDP_TWITTER, IDP_TWITTER_HOVER, 0);
  AttachButton(&g_mainSkin, &g_googlePlusButton, IDC_GOOGLEPLUS, IDP_GOOGLEPLUS, IDP_GOOGLEPLUS_HOVER, 0);
  AttachButton(&g_mainSkin, &g_facebookButton, IDC_FACEBOOK, IDP_FACEBOOK, IDP_FACEBOOK_HOVER, 0);
  AttachButton(&g_mainSkin, &g_webButton, IDC_WEB, IDP_WEB, IDP_WEB_HOVER, 0);
  AttachLabel(&g_mainSkin, &g_tipsLabel, IDC_TIPS, IDP_TIPS_PANEL);
  // A tip longer than the panel is set smaller, down to four fifths, then wrapped.
  SetLabelFit(&g_tipsLabel, 80);
  SetTextOrigin(&g_tipsLabel, ScalePixels(2, g_mainDpi), ScalePixels(10, g_mainDpi));
  SetLabelText(&g_tipsLabel, "", RGB(255, 255, 255), g_tipsFont);
  // What each picture button shows in high contrast.
  const struct {
    int id;
    PlainGlyph glyph;
  } glyphs[] = {{IDC_SET, PlainGlyph::Tick},          {IDC_TEST_REALITY, PlainGlyph::Play},
                {IDC_TEST_HOLLOW, PlainGlyph::Play},  {IDC_HIDE, PlainGlyph::Cross},
                {IDC_ABOUT, PlainGlyph::Question},    {IDC_TWITTER, PlainGlyph::Twitter},
                {IDC_GOOGLEPLUS, PlainGlyph::GooglePlus}, {IDC_FACEBOOK, PlainGlyph::Facebook},
                {IDC_WEB, PlainGlyph::Moon}};
  for (const auto& g : glyphs) SetPlainGlyph(GetDlgItem(window, g.id), g.glyph);
}

// The window is opaque in high contrast, where nothing may show through.
int MainWindowOpacity() { return HighContrastOn() ? 255 : kMainWindowOpacity; }

// High contrast came, went or changed its colours: the background in the
// new look (ShowBackgroundAtDpi draws the plain one in high contrast); the
// controls paint themselves for the look at their next paint.
void OnSystemLookChanged(HWND window) {
  ShowBackgroundAtDpi(window, IDB_MAIN_BACKGROUND, g_mainDpi, MainWindowWords());
  SetWindowOpacity(window, MainWindowOpacity());
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Places every control from the template in pixels at the DPI, shows the
// background for it and makes the fonts of that size, so that the layout
// follows the artwork rather than the system's dialog font.
void LayOutMainWindow(HWND window, int dpi) {
  g_mainDpi = dpi;
  PlaceDialogControls(window, IDD_MAIN, dpi);
  ShowBackgroundAtDpi(window, IDB_MAIN_BACKGROUND, dpi, MainWindowWords());
  HFONT oldTips = g_tipsFont, oldInterval = g_intervalFont;
  g_tipsFont = CreatePointFontAtDpi("Arial", 10, FW_BOLD, 0, dpi);
  g_intervalFont = CreatePointFontAtDpi("MS Shell Dlg", 8, FW_NORMAL, 0, dpi);
  HWND box = GetDlgItem(window, IDC_INTERVAL);
  SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(g_intervalFont), TRUE);
  SendMessageA(box, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), ScalePixels(kIntervalFieldHeight, dpi));
  if (oldTips) DeleteObject(oldTips);
  if (oldInterval) DeleteObject(oldInterval);
}

// Moved to a monitor of another scale: the same window laid out again with
// that scale's pictures, at the place the system suggests (if it gave one).
void OnDpiChanged(HWND window, int dpi, const RECT* suggested) {
  if (dpi <= 0 || dpi == g_mainDpi) return;
  ReleaseSkin(&g_mainSkin);
  LayOutMainWindow(window, dpi);
  AttachSkin(window);
  ResetButtons(&g_mainSkin);
  ShowCurrentTip();
  // Binding the button again took it from the tooltip's subclass.
  AddTooltip(window, kHideTooltip, IDC_HIDE, false);
  MoveToSuggestedRect(window, suggested);
  InvalidateRect(window, nullptr, TRUE);
}

// Another language: the background with its words in it, drawn afresh.
void OnLanguageChanged(HWND window) {
  ShowBackgroundAtDpi(window, IDB_MAIN_BACKGROUND, g_mainDpi, MainWindowWords());
  InvalidateRect(window, nullptr, TRUE);
}

// What the drawings of words left, for the tests: wParam 0 the number of
// faults (CountTextFaults), 1 the texts drawn, 2 those cut with an
// ellipsis; 3 forgets them.
LONG_PTR DrawnTextsAnswer(WPARAM what) {
  const std::vector<DrawnText>& drawn = DrawnTexts();
  switch (what) {
    case 0: return CountTextFaults();
    case 1: return static_cast<LONG_PTR>(drawn.size());
    case 2: {
      LONG_PTR cut = 0;
      for (const DrawnText& d : drawn) cut += d.cut ? 1 : 0;
      return cut;
    }
    default:
      ForgetDrawnTexts();
      return 1;
  }
}

void StartHollowOrSwitchOff(bool saveWhenOff);

void FillIntervalBox(HWND window) {
  g_intervalBox = GetDlgItem(window, IDC_INTERVAL);
  for (const char* text : kIntervals) SendMessageA(g_intervalBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  // Let the drop-down show all four choices at once.
  SendMessageA(g_intervalBox, CB_SETMINVISIBLE, kIntervalCount, 0);
  const std::string stored = g_config.GetString("time");
  SendMessageA(g_intervalBox, CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(stored.c_str()));
}

void InitMainWindow(HWND window) {
  SetWindowTextA(window, kMainWindowTitle);
  TakeOverDialogScaling(window);
  if (IsHiddenStart()) {
    ShowWindow(window, SW_HIDE);
    SetWindowPos(window, nullptr, -1000, -1000, 0, 0, SWP_NOSIZE | SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window, SW_HIDE);
  }
  // The settings first: the language they name is the one every word is
  // drawn in from the start.
  LoadSettingsAtStartup();
  ApplyLanguageSetting(g_config.Find("language") >= 0 ? g_config.GetString("language") : std::string());
  LoadTips(g_tips);
  LayOutMainWindow(window, WindowDpi(window));
  if (!IsHiddenStart()) CenterWindowOnItsMonitor(window);
  AttachSkin(window);
  CreateTrayIcon(window);
  if (IsProcessRunning(g_paths.hollowProgram)) StopHollow();
  g_startupFlag = g_config.GetInt("startup");
  SetStartupMenuCheck(g_startupFlag != 0);
  ApplyOptionalSettings(window);
  if (g_config.GetString("hollow") == "on") {
    SetSwitch(true);
    // Paused or in quiet hours: hollow starts when that is over.
    if (!RemindersSilenced()) StartHollowOrSwitchOff(true);
  } else {
    SetSwitch(false);
    StopHollow();
  }
  g_reminderPeriodMs = ReminderPeriodMs(g_config.GetInt("time"));
  SetTimer(window, kTipsTimerId, kTipRotationSeconds * 1000, nullptr);
  StartReminderTimer(window, g_reminderPeriodMs);
  SetTimer(window, kStartupTimerId, kStartupRefreshMs, nullptr);
  g_mainWindow = window;
  FillIntervalBox(window);
  NameMainWindowControls(window);
  ResetButtons(&g_mainSkin);
  ResetToggles(&g_mainSkin);
  ShowCurrentTip();
  if (IsHiddenStart()) {
    SetWindowOpacity(window, MainWindowOpacity());
  } else {
    FadeInWindow(window, kFadeInStepMs, MainWindowOpacity());
    // A fade ends just below its limit; high contrast is wholly opaque.
    if (HighContrastOn()) SetWindowOpacity(window, MainWindowOpacity());
  }
  AddTooltip(window, kHideTooltip, IDC_HIDE, false);
  if (IsHiddenStart()) ShowWindow(window, SW_HIDE);
  StartMorningQuestion(window, MorningQuestionWanted());
  g_initialised = true;
}

void StoreInterval(HWND window) {
  const LRESULT index = SendMessageA(g_intervalBox, CB_GETCURSEL, 0, 0);
  // No selection (a stored time that matches none of the choices): nothing
  // to store and nothing to restart for.
  if (index < 0 || index >= kIntervalCount) return;
  g_config.SetString("time", kIntervals[index]);
  g_config.Save();
  // Translators: the question after Set stored a new interval between the
  // reminders. A message box: no room limit.
  const std::wstring question = Widen(Tr("You will need to restart the software for change to take effect.\r\n"
                                         "Do you want to restart the software ?"));
  // Translators: the title of the box that asks to restart after Set.
  const std::wstring title = Widen(Tr("Confirm"));
  if (MessageBoxW(window, question.c_str(), title.c_str(), MB_YESNO | MB_ICONINFORMATION) == IDYES) RestartApplication();
}

// A hollow that cannot be started (missing, blocked, no program) has been
// reported by now; the switch goes off so that the next start does not
// report it again, and the reality checks go on.
void StartHollowOrSwitchOff(bool saveWhenOff) {
  if (StartHollow()) return;
  SetSwitch(false);
  if (saveWhenOff) SaveSettings();
}

void ApplyHollowSwitch() {
  // The click has flipped the picture; the program's state follows it.
  g_hollowSwitchOn = GetToggleState(&g_hollowSwitch);
  if (g_hollowSwitchOn) {
    if (!RemindersSilenced()) StartHollowOrSwitchOff(false);
  } else {
    StopHollow();
  }
  SaveSettings();
}

void TestHollow() {
  if (g_hollowSwitchOn) {
    StopHollow();
    StartHollowOrSwitchOff(true);
  } else {
    // TEST saves nothing; the switch was off in config.txt and stays so.
    SetSwitch(true);
    StartHollowOrSwitchOff(false);
  }
}

void OnCommand(HWND window, int id) {
  switch (id) {
    case IDC_TEST_REALITY: ShowRealityCheck(); break;
    case IDC_HIDE:
    case IDCANCEL: ShowWindow(window, SW_HIDE); break;  // the x, or Escape
    case IDC_TWITTER: OpenShareLink(kShareTwitter); break;
    case IDC_SET: StoreInterval(window); break;
    case IDC_SWITCH: ApplyHollowSwitch(); break;
    case IDC_WEB: OpenShareLink(kShareHomePage); break;
    case IDC_ABOUT: RunAboutBox(); break;
    case IDC_GOOGLEPLUS: OpenShareLink(kShareGooglePlus); break;
    case IDC_FACEBOOK: OpenShareLink(kShareFacebook); break;
    case IDC_TEST_HOLLOW: TestHollow(); break;
    default: break;  // the interval box and others: SET stores the choice
  }
}

void OnTimer(HWND window, UINT_PTR id) {
  switch (id) {
    case kTipsTimerId:
      if (IsHiddenStart() && !g_tipsTimerHid) {
        ShowWindow(window, SW_HIDE);
        g_tipsTimerHid = true;
      }
      ShowNextTip();
      break;
    case kReminderTimerId:
      OnReminderTick(window);
      break;
    case kStartupTimerId:
      ShowCurrentTip();
      ResetButtons(&g_mainSkin);
      ResetToggles(&g_mainSkin);
      if (IsHiddenStart() && !g_startupTimerHid) {
        ShowWindow(window, SW_HIDE);
        g_startupTimerHid = true;
      }
      KillTimer(window, kStartupTimerId);
      break;
    case kMorningTimerId:
      OnMorningTimer(window);
      break;
    default:
      OnPacingTimer(window, id);
      break;
  }
}

INT_PTR Answer(HWND window, LONG_PTR value) {
  SetWindowLongPtrA(window, DWLP_MSGRESULT, value);
  return TRUE;
}

}  // namespace

void SetHiddenStart() { g_startedHidden = true; }
bool IsHiddenStart() { return g_startedHidden; }
void StartHollowIfSwitchOn() {
  if (g_hollowSwitchOn) StartHollowOrSwitchOff(true);
}

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Explorer announces a new taskbar (after a crash or an update) with a
  // registered message; every icon it had is gone and is added again.
  static const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
  if (message == taskbarCreated && taskbarCreated != 0) {
    AddTrayIconAgain();
    return 0;
  }
  if (message >= kFirstTestMessage && message <= kLastTestMessage && !g_testHooks) return 0;
  if (SystemLookChanged(message, wParam)) OnSystemLookChanged(window);
  switch (message) {
    case WM_INITDIALOG:
      InitMainWindow(window);
      return 0;  // no control gets the initial focus
    case WM_SETFOCUS:
      // Nor when the window is activated before a control was chosen: the
      // dialog manager would hand the focus to the first one. The first Tab
      // does; a control chosen once gets the focus back on activation.
      return TRUE;
    case WM_COMMAND:
      OnCommand(window, LOWORD(wParam));
      return 0;
    case WM_TIMER:
      OnTimer(window, wParam);
      return 0;
    case WM_MOUSEMOVE:
      // Dragging: only while the left button is held, or Wine's move loop
      // would swallow the next click.
      if (wParam & MK_LBUTTON) SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      ShowCurrentTip();
      ResetButtons(&g_mainSkin);
      ResetToggles(&g_mainSkin);
      return 0;
    case WM_TRAY_CALLBACK:
      HandleTrayNotify(window, wParam, lParam);
      return 0;
    case WM_CLOSE:
    case WM_DESTROY:
      ShutdownApplication(window);
    case WM_ERASEBKGND:
      return 1;
    case kDpiChangedMessage:
      OnDpiChanged(window, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return DpiChangeHandled(window);
    case kLanguageChangedMessage:
      NameMainWindowControls(window);
      OnLanguageChanged(window);
      ShowCurrentTip();  // the tip in the new language; the tooltip follows by itself
      return Answer(window, TRUE);
    case WM_WTSSESSION_CHANGE:
      OnSessionChange(window, wParam);
      return 0;
    case kQueryReminderPeriod:
      return Answer(window, static_cast<LONG_PTR>(g_reminderPeriodMs));
    case kQueryCurrentTip:
      return Answer(window, static_cast<LONG_PTR>(g_currentTip));
    case kQueryPopupVisible:
      return Answer(window, g_realityCheck.visible ? 1 : 0);
    case kQueryStartupChecked:
      return Answer(window, IsStartupMenuChecked() ? 1 : 0);
    case kQueryReady:
      return Answer(window, g_initialised ? 1 : 0);
    case kQueryGdiObjects:
      return Answer(window, static_cast<LONG_PTR>(CountGdiObjects()));
    case kQuerySwitchOn:
      return Answer(window, g_hollowSwitchOn ? 1 : 0);
    case kQueryOptionMenus:
      return Answer(window, static_cast<LONG_PTR>(OptionMenuMarks()));
    case kQueryReminderGap:
      return Answer(window, static_cast<LONG_PTR>(ReminderGapMs()));
    case kQueryCheckKind:
      return Answer(window, g_realityCheck.created ? g_realityCheck.kind : 0);
    case kQueryPacing:
      return Answer(window, static_cast<LONG_PTR>(PacingState()));
    case kQueryDrawnTexts:
      return Answer(window, DrawnTextsAnswer(wParam));
    case kSetAwayThreshold:
      SetAwayThresholdMs(static_cast<unsigned>(wParam));
      return Answer(window, 1);
    case kSetMorningClock:
      SetMorningClockForTest(window, static_cast<unsigned>(wParam), LOWORD(lParam), HIWORD(lParam));
      return Answer(window, 1);
    case kOpenJournalAtNewDream:
      RunDreamJournalAtNewDream(static_cast<DreamKind>(wParam <= 2 ? wParam : 1));
      return Answer(window, 0);
    case kQueryFadeSteps:
      return Answer(window, static_cast<LONG_PTR>(FadeStepCount()));
    case kAppendPracticeLines:
      for (WPARAM i = 0; i < wParam; ++i) RecordPractice(PracticeEvent::Shown);
      return Answer(window, 1);
  }
  return 0;
}
