// Skinned buttons, toggles, radios, labels and colour statics on a real
// dialog under Wine, driven by real messages and, where it matters, by real
// mouse input through the X server.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <string>

#include "skin/accessible_object.h"
#include "skin/layered_window.h"
#include "skin/picture_text.h"
#include "skin/skin_label.h"
#include "skin/skin_manager.h"
#include "tests/skin/skin_test_dialog.h"
#include "tests/support/screen_reader.h"
#include "tests/support/win32_harness.h"

using namespace skintest;

namespace {

const uint32_t kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0), kBlue = Rgb(0, 0, 255);
const uint32_t kToggleOff = Rgb(80, 80, 80), kToggleOn = Rgb(255, 255, 0);
const uint32_t kHoverOff = Rgb(0, 255, 255), kHoverOn = Rgb(255, 0, 255);
const uint32_t kRadio = Rgb(40, 40, 40), kRadioSelected = Rgb(200, 200, 200);

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

void Press(HWND w, int x = 5, int y = 5) { SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y)); }
void Release(HWND w, int x = 5, int y = 5) { SendMessageA(w, WM_LBUTTONUP, 0, At(x, y)); }
void Move(HWND w, int x = 5, int y = 5) { SendMessageA(w, WM_MOUSEMOVE, 0, At(x, y)); }

bool ReadToggle(const void* t) { return GetToggleState(static_cast<const SkinToggle*>(t)); }

class SkinControls : public ::testing::Test {
 protected:
  void SetUp() override {
    g_clicks.clear();
    g_toggleProbe = {nullptr, nullptr};
    dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    Init(&manager, dialog, nullptr);
  }
  void TearDown() override {
    ReleaseSkin(&manager);
    ParkDialog(dialog);
  }
  HWND Item(int id) { return GetDlgItem(dialog, id); }
  // The picture a control shows, in its middle: a control the mouse
  // pressed has the focus, and its focus mark runs along the edges.
  uint32_t Shown(HWND w) {
    RECT r = {};
    GetClientRect(w, &r);
    return PixelOf(w, r.right / 2, r.bottom / 2);
  }

  HWND dialog = nullptr;
  SkinManager manager;
};

TEST_F(SkinControls, FailedAttachLeavesThePlainButtonAndTheNextStillAttaches) {
  HWND plain = Item(IDC_BUTTON1);
  RECT before;
  GetWindowRect(plain, &before);
  const LONG_PTR procBefore = GetWindowLongPtrA(plain, GWLP_WNDPROC);

  SkinButton missingNormal, missingHover, missingControl, good;
  EXPECT_EQ(AttachButton(&manager, &missingNormal, IDC_BUTTON1, IDP_T_MISSING, IDP_T_BUTTON_HOVER, 0), nullptr);
  EXPECT_EQ(AttachButton(&manager, &missingHover, IDC_BUTTON1, IDP_T_BUTTON, IDP_T_MISSING, 0), nullptr);
  EXPECT_EQ(AttachButton(&manager, &missingControl, IDC_NOWHERE, IDP_T_BUTTON, IDP_T_BUTTON_HOVER, 0), nullptr);
  EXPECT_EQ(AttachButton(&manager, &good, IDC_BUTTON2, IDP_T_BUTTON, IDP_T_BUTTON_HOVER, 0), Item(IDC_BUTTON2));

  RECT after;
  GetWindowRect(plain, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(GetWindowLongPtrA(plain, GWLP_WNDPROC), procBefore);
  EXPECT_EQ(GetWindowLongPtrA(plain, GWLP_USERDATA), 0);
  ASSERT_EQ(manager.buttons.size(), 1u);
  EXPECT_EQ(manager.buttons[0], &good);

  RECT skinned;
  GetClientRect(Item(IDC_BUTTON2), &skinned);
  EXPECT_EQ(skinned.right, 40);
  EXPECT_EQ(skinned.bottom, 20);
  EXPECT_EQ(Shown(Item(IDC_BUTTON2)), kRed);

  // The plain button still reports its clicks.
  Press(plain);
  Release(plain);
  ASSERT_EQ(g_clicks.size(), 1u);
  EXPECT_EQ(g_clicks[0].id, IDC_BUTTON1);
}

TEST_F(SkinControls, ButtonShowsHoverPressedAndStaysPressedUntilMoveOrReset) {
  SkinButton b;
  HWND w = AttachButton(&manager, &b, IDC_BUTTON1, IDP_T_BUTTON, IDP_T_BUTTON_HOVER, IDP_T_BUTTON_PRESSED);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(Shown(w), kRed);
  Move(w);
  EXPECT_EQ(Shown(w), kGreen);
  Press(w);
  EXPECT_EQ(Shown(w), kBlue);
  Move(w);  // held: no hover picture
  EXPECT_EQ(Shown(w), kBlue);
  Release(w);
  EXPECT_EQ(Shown(w), kBlue);
  ASSERT_EQ(g_clicks.size(), 1u);
  EXPECT_EQ(g_clicks[0].id, IDC_BUTTON1);
  Move(w);
  EXPECT_EQ(Shown(w), kGreen);
  ResetButtons(&manager);
  EXPECT_EQ(Shown(w), kRed);
  Press(w);
  Release(w);
  ResetButtons(&manager);
  EXPECT_EQ(Shown(w), kRed);
}

TEST_F(SkinControls, ButtonWithoutPressedPictureShowsNormalWhilePressed) {
  SkinButton b;
  HWND w = AttachButton(&manager, &b, IDC_BUTTON1, IDP_T_BUTTON, IDP_T_BUTTON_HOVER, 0);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(b.pressed, b.normal);
  Move(w);
  Press(w);
  EXPECT_EQ(Shown(w), kRed);
}

TEST_F(SkinControls, ButtonFollowsTheRealMouse) {
  SkinButton b;
  HWND w = AttachButton(&manager, &b, IDC_BUTTON1, IDP_T_BUTTON, IDP_T_BUTTON_HOVER, IDP_T_BUTTON_PRESSED);
  ASSERT_NE(w, nullptr);
  SetForegroundWindow(dialog);
  MouseMove(ScreenPoint(dialog, 300, 300));
  Pump(100);
  MouseMove(ScreenPoint(w, 10, 10));
  Pump(200);
  EXPECT_EQ(Shown(w), kGreen);
  MouseClick(ScreenPoint(w, 12, 10));
  Pump(200);
  EXPECT_EQ(Shown(w), kBlue);  // released, yet pressed until the next move
  ASSERT_EQ(g_clicks.size(), 1u);
  EXPECT_EQ(g_clicks[0].id, IDC_BUTTON1);
  MouseMove(ScreenPoint(dialog, 300, 300));
  Pump(200);
  ResetButtons(&manager);
  EXPECT_EQ(Shown(w), kRed);
}

TEST_F(SkinControls, FocusedButtonWearsTheMarkOnItsEdgeUntilTheFocusMoves) {
  SkinButton one, two;
  HWND w = AttachButton(&manager, &one, IDC_BUTTON1, IDP_T_BUTTON, IDP_T_BUTTON_HOVER, 0);
  ASSERT_NE(AttachButton(&manager, &two, IDC_BUTTON2, IDP_T_BUTTON, IDP_T_BUTTON_HOVER, 0), nullptr);
  // The warm accent shows in the red picture's green channel. (Wine keeps
  // no UI state: WM_QUERYUISTATE answers 0, so the cues always show here.)
  auto marked = [&] { return ((PixelOf(w, 0, 10) >> 8) & 0xFF) > 0xD0; };
  for (HWND focus : {Item(IDC_BUTTON2), w, Item(IDC_BUTTON2)}) {
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
    EXPECT_EQ(marked(), focus == w);
    EXPECT_EQ(Shown(w), kRed);
  }
}

TEST_F(SkinControls, CaptionIsDrawnIntoThePictureInItsRectangle) {
  SkinButton b;
  HFONT font = CreatePointFont("Arial", 10, 700, 0);
  SetCaption(&b, "HHHH", RGB(255, 255, 255), font);
  HWND w = AttachButton(&manager, &b, IDC_BUTTON1, IDP_T_BUTTON, IDP_T_BUTTON_HOVER, 0);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(b.textRect.left, 20);
  EXPECT_EQ(b.textRect.top, 10);
  Capture c = CaptureWindow(w);
  int inside = 0, outside = 0;
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      const bool light = (c.at(x, y) & 0xFF00) > 0x8000;  // green channel: red picture, white text
      if (!light) continue;
      (x >= 20 && y >= 10 ? inside : outside)++;
    }
  }
  EXPECT_GT(inside, 5);
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(b.textPending, 0);
  DeleteObject(font);
}

TEST_F(SkinControls, ToggleFlipsOnPressAndTheOwnerReadsTheNewState) {
  SkinToggle t;
  g_toggleProbe = {ReadToggle, &t};
  HWND w = AttachToggle(&manager, &t, IDC_TOGGLE, IDP_T_TOGGLE_OFF, IDP_T_TOGGLE_ON, IDP_T_TOGGLE_HOVER_OFF,
                        IDP_T_TOGGLE_HOVER_ON);
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(GetToggleState(&t));
  EXPECT_EQ(Shown(w), kToggleOff);

  Press(w);
  EXPECT_TRUE(GetToggleState(&t));
  EXPECT_EQ(Shown(w), kToggleOn);
  Release(w);
  ASSERT_EQ(g_clicks.size(), 1u);
  EXPECT_EQ(g_clicks[0].id, IDC_TOGGLE);
  EXPECT_TRUE(g_clicks[0].toggleState);

  Move(w);
  EXPECT_EQ(Shown(w), kHoverOn);
  ResetToggles(&manager);
  EXPECT_EQ(Shown(w), kToggleOn);

  // Pressed, then released outside: flipped, no notification.
  Press(w);
  Release(w, 300, 300);
  EXPECT_FALSE(GetToggleState(&t));
  EXPECT_EQ(Shown(w), kToggleOff);
  EXPECT_EQ(g_clicks.size(), 1u);

  // Space on the focused toggle flips it as a click does, and the owner's
  // notification reads the new state.
  SetFocus(w);
  SendMessageA(w, WM_KEYDOWN, VK_SPACE, 0x00390001);
  EXPECT_FALSE(GetToggleState(&t));
  SendMessageA(w, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
  ASSERT_EQ(g_clicks.size(), 2u);
  EXPECT_EQ(g_clicks[1].id, IDC_TOGGLE);
  EXPECT_TRUE(g_clicks[1].toggleState);
  EXPECT_TRUE(GetToggleState(&t));
  EXPECT_EQ(Shown(w), kToggleOn);
  // A Space let go without its press (the press went to another control)
  // neither flips nor clicks.
  SendMessageA(w, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
  EXPECT_EQ(g_clicks.size(), 2u);
  EXPECT_TRUE(GetToggleState(&t));
}

TEST_F(SkinControls, TogglePressedAndReleasedOutsideWithTheRealMouse) {
  SkinToggle t;
  g_toggleProbe = {ReadToggle, &t};
  HWND w = AttachToggle(&manager, &t, IDC_TOGGLE, IDP_T_TOGGLE_OFF, IDP_T_TOGGLE_ON, 0, 0);
  ASSERT_NE(w, nullptr);
  SetForegroundWindow(dialog);
  Pump(100);
  const POINT on = ScreenPoint(w, 10, 8);
  const POINT away = ScreenPoint(dialog, 300, 300);
  harness::RunUnix("/usr/bin/xdotool mousemove " + std::to_string(on.x) + " " + std::to_string(on.y) +
                   " mousedown 1 sleep 0.2 mousemove " + std::to_string(away.x) + " " + std::to_string(away.y) +
                   " sleep 0.2 mouseup 1");
  Pump(300);
  EXPECT_TRUE(GetToggleState(&t));
  EXPECT_EQ(Shown(w), kToggleOn);
  EXPECT_TRUE(g_clicks.empty());

  // A second press within the double-click time would arrive as a double
  // click, which the toggle does not flip on.
  Sleep(GetDoubleClickTime() + 100);
  MouseClick(on);
  Pump(300);
  EXPECT_FALSE(GetToggleState(&t));
  ASSERT_EQ(g_clicks.size(), 1u);
  EXPECT_FALSE(g_clicks[0].toggleState);
}

TEST_F(SkinControls, SetToggleStateOnSurvivesResetWithoutHoverPictures) {
  SkinToggle t;
  HWND w = AttachToggle(&manager, &t, IDC_TOGGLE, IDP_T_TOGGLE_OFF, IDP_T_TOGGLE_ON, IDP_T_TOGGLE_HOVER_OFF, 0);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(t.hasHover, 0);  // half a hover pair counts as none
  SetToggleState(&t, true);
  Move(w);
  ResetToggles(&manager);
  EXPECT_TRUE(GetToggleState(&t));
  EXPECT_EQ(Shown(w), kToggleOn);
}

TEST_F(SkinControls, ClickedRadioIsSelectedWhileTheOtherKeepsItsPictureUntilRefresh) {
  SkinRadio r1, r2;
  HWND w1 = AttachRadio(&manager, &r1, IDC_RADIO1, 3, IDP_T_RADIO, IDP_T_RADIO_SELECTED, 0, 0);
  HWND w2 = AttachRadio(&manager, &r2, IDC_RADIO2, 3, IDP_T_RADIO, IDP_T_RADIO_SELECTED, 0, 0);
  ASSERT_NE(w1, nullptr);
  ASSERT_NE(w2, nullptr);
  SelectRadio(&r1);
  EXPECT_EQ(Shown(w1), kRadioSelected);
  EXPECT_EQ(Shown(w2), kRadio);

  Press(w2);
  Release(w2);
  EXPECT_EQ(GetRadioValue(&r1), IDC_RADIO2);
  EXPECT_EQ(Shown(w2), kRadioSelected);
  EXPECT_EQ(Shown(w1), kRadioSelected);
  ASSERT_EQ(g_clicks.size(), 1u);
  EXPECT_EQ(g_clicks[0].id, IDC_RADIO2);

  RefreshRadios(&manager);
  EXPECT_EQ(Shown(w1), kRadio);
  EXPECT_EQ(Shown(w2), kRadioSelected);

  SelectRadioValue(&r1, 0);
  RefreshRadios(&manager);
  EXPECT_EQ(Shown(w2), kRadio);
  EXPECT_EQ(GetRadioValue(&r2), 0);

  SkinRadio outOfRange;
  EXPECT_EQ(AttachRadio(&manager, &outOfRange, IDC_BUTTON1, 10, IDP_T_RADIO, IDP_T_RADIO_SELECTED, 0, 0), nullptr);
}

// Rows and columns of the label holding text pixels (light on the navy picture).
struct Ink {
  int left = 1 << 30, right = -1;
  std::vector<int> rowTops;  // first row of each band of inked rows
  bool white = false;        // some pixel is fully white
  int count = 0;
};

Ink FindInk(const Capture& c) {
  Ink ink;
  bool previous = false;
  for (int y = 0; y < c.height; ++y) {
    bool row = false;
    for (int x = 0; x < c.width; ++x) {
      const uint32_t p = c.at(x, y);
      if ((p >> 16) < 0x80) continue;
      row = true;
      ++ink.count;
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
      if (p == 0xFFFFFF) ink.white = true;
    }
    if (row && !previous) ink.rowTops.push_back(y);
    previous = row;
  }
  return ink;
}

TEST_F(SkinControls, LabelDrawsItsLinesAtTheOriginInItsColourAndFont) {
  SkinLabel l;
  HWND w = AttachLabel(&manager, &l, IDC_LABEL, IDP_T_LABEL);
  ASSERT_NE(w, nullptr);
  HFONT font = CreatePointFont("Arial", 10, 700, 0);
  ASSERT_NE(font, nullptr);
  SetTextOrigin(&l, 2, 10);
  SetLabelText(&l, "", RGB(255, 255, 255), font);
  EXPECT_EQ(FindInk(CaptureWindow(w)).count, 0);

  SetLabelText(&l, "HH\r\nHH", RGB(255, 255, 255), font);
  HDC dc = GetDC(w);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(w, dc);

  const Ink ink = FindInk(CaptureWindow(w));
  ASSERT_EQ(ink.rowTops.size(), 2u);
  EXPECT_GE(ink.left, 2);
  EXPECT_LE(ink.left, 4);
  EXPECT_GE(ink.rowTops[0], 10);
  EXPECT_LE(ink.rowTops[0], 10 + tm.tmInternalLeading + 3);
  EXPECT_EQ(ink.rowTops[1] - ink.rowTops[0], tm.tmHeight);
  EXPECT_TRUE(ink.white);

  // Colour 0 and no font keep the white bold font.
  SetLabelText(&l, "HH\r\nHH", 0, nullptr);
  EXPECT_EQ(l.textColor, RGB(255, 255, 255));
  EXPECT_EQ(l.font, font);
  const Ink kept = FindInk(CaptureWindow(w));
  EXPECT_EQ(kept.count, ink.count);
  EXPECT_EQ(kept.rowTops, ink.rowTops);

  // Covering and uncovering repaints the text; the picture itself stays clean.
  HWND cover = CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  POINT origin = ScreenPoint(w, 0, 0);
  SetWindowPos(cover, HWND_TOPMOST, origin.x - 10, origin.y - 10, 200, 200, SWP_NOACTIVATE);
  Pump(150);
  DestroyWindow(cover);
  Pump(150);
  RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const Ink again = FindInk(CaptureWindow(w));
  EXPECT_EQ(again.count, ink.count);
  EXPECT_EQ(again.rowTops, ink.rowTops);
  EXPECT_EQ(GetPixel(l.pictureContext, 5, 15), RGB(0, 0, 128));

  DeleteObject(font);
}

TEST_F(SkinControls, LongLabelTextIsClippedAtThePictureEdges) {
  SkinLabel l;
  HWND w = AttachLabel(&manager, &l, IDC_LABEL, IDP_T_LABEL);
  ASSERT_NE(w, nullptr);
  HFONT font = CreatePointFont("Arial", 10, 700, 0);
  SetTextOrigin(&l, 2, 10);
  SetLabelText(&l, "HHHHHHHHHHHHHHHHHHHH\r\nHHHHHHHHHHHHHHHHHHHH\r\nHHHHHHHHHHHHHHHHHHHH", RGB(255, 255, 255), font);
  const Capture c = CaptureWindow(w);
  EXPECT_EQ(c.width, 60);
  EXPECT_EQ(c.height, 40);
  const Ink ink = FindInk(c);
  EXPECT_GE(ink.right, 56);  // the text runs to the right edge
  // Beside the label the dialog shows its own background, not text.
  RECT r;
  GetWindowRect(w, &r);
  POINT beside = {r.right + 2, r.top + 15};
  ScreenToClient(dialog, &beside);
  const uint32_t outside = PixelOf(dialog, beside.x, beside.y);
  EXPECT_NE(outside, 0xFFFFFFu);
  DeleteObject(font);
}

// The label's own records of its last text: the room and the ink.
const DrawnText* NotedFor(const SkinLabel& l) {
  for (const DrawnText& d : DrawnTexts()) {
    if (d.picture == l.picture) return &d;
  }
  return nullptr;
}

TEST_F(SkinControls, FittedLabelDrawsAFittingTextAsItIsAndFitsALongerOneIntoItsRoom) {
  SkinLabel l;
  HWND w = AttachLabel(&manager, &l, IDC_LABEL, IDP_T_LABEL);
  ASSERT_NE(w, nullptr);
  HFONT font = CreatePointFont("Arial", 10, 700, 0);
  SetTextOrigin(&l, 2, 10);
  SetLabelText(&l, "HH\r\nHH", RGB(255, 255, 255), font);
  const Capture plain = CaptureWindow(w);
  ForgetDrawnTexts();

  // A text that fits its room (from the origin to the picture's edges) is
  // drawn pixel for pixel as without fitting.
  SetLabelFit(&l, 80);
  const Capture fitted = CaptureWindow(w);
  EXPECT_EQ(fitted.pixels, plain.pixels);
  const DrawnText* noted = NotedFor(l);
  ASSERT_NE(noted, nullptr);
  EXPECT_EQ(noted->room.left, 2);
  EXPECT_EQ(noted->room.top, 10);
  EXPECT_EQ(noted->room.right, 60);
  EXPECT_EQ(noted->room.bottom, 40);
  EXPECT_FALSE(noted->cut);

  // One line a little too wide: set smaller, still one line, inside.
  HDC dc = GetDC(w);
  HGDIOBJ old = SelectObject(dc, font);
  std::string wide = "H";
  SIZE size = {};
  for (;;) {
    GetTextExtentPoint32A(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    if (size.cx > 58) break;
    wide += "H";
  }
  SelectObject(dc, old);
  ReleaseDC(w, dc);
  ASSERT_LT(size.cx * 3 / 4, 58) << "the test's font: one H more than fits must fit at three quarters";
  SetLabelText(&l, wide.c_str(), 0, nullptr);
  Ink ink = FindInk(CaptureWindow(w));
  EXPECT_EQ(ink.rowTops.size(), 1u);
  EXPECT_LE(ink.right, 59);
  noted = NotedFor(l);
  ASSERT_NE(noted, nullptr);
  EXPECT_FALSE(noted->cut);
  EXPECT_LT(noted->ink.right - noted->ink.left, size.cx);

  // Far too much for 58 x 30 pixels even at four fifths: cut with an
  // ellipsis, never past the picture's edges, and noted as no fault.
  SetLabelText(&l, "HHHHHHHHHHHHHHHHHHHH\r\nHHHHHHHHHHHHHHHHHHHH\r\nHHHHHHHHHHHHHHHHHHHH", 0, nullptr);
  ink = FindInk(CaptureWindow(w));
  EXPECT_LE(ink.right, 59);
  EXPECT_GE(ink.left, 2);
  noted = NotedFor(l);
  ASSERT_NE(noted, nullptr);
  EXPECT_TRUE(noted->cut);
  EXPECT_LE(noted->ink.right, 60);
  EXPECT_LE(noted->ink.bottom, 40);
  EXPECT_EQ(CountTextFaults(), 0);
  DeleteObject(font);
}

TEST_F(SkinControls, HintsAreWrittenToTheLabelOnMouseMove) {
  SkinLabel l;
  SkinButton b;
  SkinToggle t;
  ASSERT_NE(AttachLabel(&manager, &l, IDC_LABEL, IDP_T_LABEL), nullptr);
  HWND bw = AttachButton(&manager, &b, IDC_BUTTON1, IDP_T_BUTTON, IDP_T_BUTTON_HOVER, 0);
  HWND tw = AttachToggle(&manager, &t, IDC_TOGGLE, IDP_T_TOGGLE_OFF, IDP_T_TOGGLE_ON, 0, 0);
  SetHint(&b, &l, "press me");
  Move(bw);
  EXPECT_EQ(l.text, "press me");

  SetDefaultHintLabel(&manager, &l);
  UseDefaultHint(&manager, &t, "first");
  SkinToggle other;
  UseDefaultHint(&manager, &other, "second");
  EXPECT_EQ(other.hint.text, "first");
  Move(tw);
  EXPECT_EQ(l.text, "first");

  // The label's own hint, pointed at itself.
  SetHint(&l, &l, "tip one");
  ShowHint(&l);
  EXPECT_EQ(l.text, "tip one");
}

TEST_F(SkinControls, ColorStaticBrushAnswersOnlyForAttachedStatics) {
  HDC dc = GetDC(dialog);
  EXPECT_EQ(ColorStaticBrush(&manager, Item(IDC_STATIC1), dc), reinterpret_cast<HBRUSH>(1));
  SkinColorStatic s;
  ASSERT_EQ(AttachColorStatic(&manager, &s, IDC_STATIC1, RGB(1, 2, 3), RGB(10, 20, 30), nullptr, nullptr),
            Item(IDC_STATIC1));
  HBRUSH brush = ColorStaticBrush(&manager, Item(IDC_STATIC1), dc);
  EXPECT_EQ(brush, s.brush);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetBkColor(dc), RGB(10, 20, 30));
  EXPECT_EQ(ColorStaticBrush(&manager, Item(IDC_BUTTON1), dc), reinterpret_cast<HBRUSH>(1));
  ReleaseDC(dialog, dc);
  SetStaticText(&s, "changed");
  EXPECT_EQ(GetStaticText(&s), "changed");
}

TEST_F(SkinControls, AttachingTheSameObjectsAgainListsThemOnce) {
  SkinButton b;
  SkinToggle t;
  for (int i = 0; i < 3; ++i) {
    ASSERT_NE(AttachButton(&manager, &b, IDC_BUTTON1, IDP_T_BUTTON, IDP_T_BUTTON_HOVER, 0), nullptr);
    ASSERT_NE(AttachToggle(&manager, &t, IDC_TOGGLE, IDP_T_TOGGLE_OFF, IDP_T_TOGGLE_ON, 0, 0), nullptr);
  }
  EXPECT_EQ(manager.buttons.size(), 1u);
  EXPECT_EQ(manager.toggles.size(), 1u);
  // Still one subclass deep: messages reach the button once.
  HWND w = Item(IDC_BUTTON1);
  Move(w);
  Press(w);
  Release(w);
  EXPECT_EQ(g_clicks.size(), 1u);
  Press(Item(IDC_TOGGLE));
  EXPECT_TRUE(GetToggleState(&t));
}

// The about box pattern: a static skin object, the dialog opened and closed
// again and again, the same three buttons attached at every opening.
struct AboutSkin {
  SkinManager manager;
  SkinTheme theme;
  SkinButton buttons[3];
};
AboutSkin g_about;
bool g_releaseOnDestroy = true;
// Pictures of the previous opening, and how many of them were still alive
// when the next opening's Init had run.
HBITMAP g_previousPictures[6];
int g_survivors = 0;

void RememberPictures() {
  for (int i = 0; i < 3; ++i) {
    g_previousPictures[2 * i] = g_about.buttons[i].normal;
    g_previousPictures[2 * i + 1] = g_about.buttons[i].hover;
  }
}

int CountSurvivors() {
  int alive = 0;
  for (HBITMAP p : g_previousPictures) {
    if (p && GetObjectType(p) != 0) ++alive;
  }
  return alive;
}

void AttachAbout(HWND dialog) {
  Init(&g_about.manager, dialog, &g_about.theme);
  g_survivors += CountSurvivors();
  const int ids[3] = {IDC_BUTTON1, IDC_BUTTON2, IDC_BUTTON3};
  for (int i = 0; i < 3; ++i) {
    AttachButton(&g_about.manager, &g_about.buttons[i], ids[i], IDP_T_BUTTON, IDP_T_BUTTON_HOVER, 0);
  }
  ResetButtons(&g_about.manager);
  RememberPictures();
}

INT_PTR CALLBACK AboutProc(HWND d, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_INITDIALOG) AttachAbout(d);
  if (msg == WM_DESTROY && g_releaseOnDestroy) ReleaseSkin(&g_about.manager);
  return FALSE;
}

HWND OpenAbout() {
  HWND d = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SKIN_TEST), nullptr, AboutProc, 0);
  ShowWindow(d, SW_SHOWNOACTIVATE);
  UpdateWindow(d);
  return d;
}

// Highest slot index among a burst of fresh GDI handles: the handle table's
// high-water mark, which grows by the number of leaked objects. Wine's
// GetGuiResources does not count, so this stands in for it there.
int HandleHighWater() {
  HBITMAP probes[64];
  int highest = 0;
  for (HBITMAP& p : probes) {
    p = CreateBitmap(1, 1, 1, 32, nullptr);
    highest = std::max(highest, static_cast<int>(reinterpret_cast<UINT_PTR>(p) & 0xFFFF));
  }
  for (HBITMAP p : probes) DeleteObject(p);
  return highest;
}

TEST(SkinReopen, OpeningTheDialog200TimesKeepsListsAndGdiObjectsFlat) {
  for (bool release : {true, false}) {
    g_releaseOnDestroy = release;
    SCOPED_TRACE(release ? "released on close" : "released by the next Init");
    HWND first = OpenAbout();
    ASSERT_NE(first, nullptr);
    HBITMAP firstPictures[2] = {g_about.buttons[0].normal, g_about.buttons[0].hover};
    DestroyWindow(first);
    Pump(10);
    for (int i = 0; i < 5; ++i) {
      DestroyWindow(OpenAbout());
    }
    Pump(10);
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const int highWaterBefore = HandleHighWater();
    g_survivors = 0;
    int survivorsAfterClose = 0;
    for (int i = 0; i < 200; ++i) {
      HWND d = OpenAbout();
      ASSERT_NE(d, nullptr);
      ASSERT_EQ(g_about.manager.buttons.size(), 3u) << "opening " << i;
      ASSERT_EQ(g_about.buttons[2].window, GetDlgItem(d, IDC_BUTTON3));
      DestroyWindow(d);
      if (release) survivorsAfterClose += CountSurvivors();
      if (i % 20 == 0) Pump(5);
    }
    EXPECT_EQ(g_survivors, 0);
    EXPECT_EQ(survivorsAfterClose, 0);
    Pump(20);
    HWND last = OpenAbout();
    EXPECT_EQ(g_about.manager.buttons.size(), 3u);
    EXPECT_EQ(g_about.manager.ownedObjects.size(), 6u);
    DestroyWindow(last);
    Pump(20);
    if (!release) {
      Init(&g_about.manager, nullptr, nullptr);  // what a later opening would do
      ReleaseSkin(&g_about.manager);
    }
    EXPECT_EQ(GetObjectType(firstPictures[0]), 0u);
    EXPECT_EQ(GetObjectType(firstPictures[1]), 0u);
    const DWORD gdiAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    EXPECT_LE(gdiAfter, gdiBefore + 5);
    // Six leaked pictures per opening would raise it by 1200.
    EXPECT_LE(HandleHighWater(), highWaterBefore + 100);
  }
}

// What a screen reader reads of each kind (through oleacc): a button is a
// push button named by its text, whole in any script; a toggle a check box
// checked while on; a label a text that reads what it shows now.
TEST_F(SkinControls, ScreenReadersReadEachKindItsStateAndNamesInAnyScript) {
  SkinButton button;
  SkinToggle toggle;
  SkinLabel label;
  ASSERT_NE(AttachButton(&manager, &button, IDC_BUTTON1, IDP_T_BUTTON, IDP_T_BUTTON_HOVER, 0), nullptr);
  ASSERT_NE(AttachToggle(&manager, &toggle, IDC_TOGGLE, IDP_T_TOGGLE_OFF, IDP_T_TOGGLE_ON, 0, 0), nullptr);
  ASSERT_NE(AttachLabel(&manager, &label, IDC_LABEL, IDP_T_LABEL), nullptr);
  const char* name = "\xE8\xA8\xAD\xE5\xAE\x9A \xD0\x97\xD0\xB0\xD0\xB4\xD0\xB0\xD1\x82\xD1\x8C";  // 設定 Задать
  SetControlName(dialog, IDC_BUTTON1, name);
  const reader::Accessible read = reader::Read(Item(IDC_BUTTON1));
  EXPECT_EQ(read.name, name);
  EXPECT_EQ(read.role, ROLE_SYSTEM_PUSHBUTTON);

  EXPECT_EQ(reader::Read(Item(IDC_TOGGLE)).role, ROLE_SYSTEM_CHECKBUTTON);
  EXPECT_EQ(reader::Read(Item(IDC_TOGGLE)).state & STATE_SYSTEM_CHECKED, 0);
  Press(Item(IDC_TOGGLE));
  Release(Item(IDC_TOGGLE));
  EXPECT_EQ(reader::Read(Item(IDC_TOGGLE)).state & STATE_SYSTEM_CHECKED, STATE_SYSTEM_CHECKED);
  // Set by the owner, it tells a reader on it once, and not when it stays.
  reader::EventCounter changes(GetCurrentProcessId(), EVENT_OBJECT_STATECHANGE);
  SetToggleState(&toggle, false);
  SetToggleState(&toggle, false);
  EXPECT_EQ(changes.Count(Item(IDC_TOGGLE)), 1);
  EXPECT_EQ(reader::Read(Item(IDC_TOGGLE)).state & STATE_SYSTEM_CHECKED, 0);

  SetLabelText(&label, "Look at your hands twice.", 0, nullptr);
  const reader::Accessible text = reader::Read(Item(IDC_LABEL));
  EXPECT_EQ(text.name, "Look at your hands twice.");
  EXPECT_EQ(text.role, ROLE_SYSTEM_STATICTEXT);
}

}  // namespace
