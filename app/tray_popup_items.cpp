#include "app/tray_popup_items.h"

#include <string>

#include "settings/wide_text.h"
#include "journal/morning_question.h"
#include "reminders/reality_check.h"
#include "resources/resource_ids.h"
#include "settings/translation.h"

namespace {

bool Insert(HMENU menu, int at, UINT flags, UINT_PTR id, const char* text) {
  return InsertMenuW(menu, static_cast<UINT>(at), MF_BYPOSITION | flags, id, text ? Widen(text).c_str() : nullptr) != 0;
}

HMENU MorningAnswers() {
  HMENU answers = CreatePopupMenu();
  if (!answers) return nullptr;
  // Translators: the morning question's first answer, on its button and in
  // the tray menu's "Answer The Morning Question"; about 40 characters.
  AppendMenuW(answers, MF_STRING, IDM_MORNING_ANSWER_LUCID, Widen(Tr("A lucid dream")).c_str());
  // Translators: the morning question's second answer, on its button and
  // in the tray menu's "Answer The Morning Question"; about 40 characters.
  AppendMenuW(answers, MF_STRING, IDM_MORNING_ANSWER_DREAM, Widen(Tr("A dream")).c_str());
  // Translators: also the third answer in the tray menu's "Answer The
  // Morning Question", in one line: its line breaks show as spaces there.
  std::wstring none = Widen(Tr("Nothing I\nremember"));
  for (wchar_t& c : none) c = c == L'\n' ? L' ' : c;
  AppendMenuW(answers, MF_STRING, IDM_MORNING_ANSWER_NONE, none.c_str());
  return answers;
}

}  // namespace

// The popups' items share the menu's commands with the Language submenu's.
static_assert(IDM_CHECK_DONE > IDM_LANGUAGE_LAST && IDM_MORNING_WRITE_DOWN > IDM_CHECK_DONE,
              "the popups' tray items need numbers of their own");

int InsertPopupItems(HMENU menu) {
  int at = 0;
  if (g_realityCheck.visible) {
    // Translators: tray menu item while a reality check shows: the same as
    // a double-click on the check, "I did the check". About 40 characters.
    if (Insert(menu, at, MF_STRING, IDM_CHECK_DONE, Tr("I Did The Check"))) ++at;
    // Translators: tray menu item while a reality check shows: the same as
    // a right click on the check, dismissing it undone. About 40 characters.
    if (Insert(menu, at, MF_STRING, IDM_CHECK_NOT_NOW, Tr("Not Now"))) ++at;
  }
  const MorningOffer offer = CurrentMorningOffer();
  if (offer == MorningOffer::Answers) {
    HMENU answers = MorningAnswers();
    // Translators: tray menu item while the morning question shows; its
    // submenu holds the question's three answers. About 40 characters.
    if (answers && Insert(menu, at, MF_POPUP, reinterpret_cast<UINT_PTR>(answers), Tr("Answer The Morning Question"))) {
      ++at;
    } else if (answers) {
      DestroyMenu(answers);
    }
  } else if (offer == MorningOffer::WriteItDown) {
    // Translators: the morning question's button after a dream was answered;
    // it opens the dream journal. Also a tray menu item while the button
    // shows: about 40 characters there.
    if (Insert(menu, at, MF_STRING, IDM_MORNING_WRITE_DOWN, Tr("Write it down"))) ++at;
  }
  if (at > 0 && Insert(menu, at, MF_SEPARATOR, 0, nullptr)) ++at;
  return at;
}

void RemovePopupItems(HMENU menu, int count) {
  // DeleteMenu destroys the answers' submenu with its item.
  for (int i = 0; i < count; ++i) DeleteMenu(menu, 0, MF_BYPOSITION);
}

bool OnPopupItemCommand(UINT command) {
  switch (command) {
    case IDM_CHECK_DONE:
      EndRealityCheck(true);
      return true;
    case IDM_CHECK_NOT_NOW:
      EndRealityCheck(false);
      return true;
    case IDM_MORNING_ANSWER_LUCID:
      AnswerMorningQuestion(PracticeEvent::Lucid);
      return true;
    case IDM_MORNING_ANSWER_DREAM:
      AnswerMorningQuestion(PracticeEvent::Dream);
      return true;
    case IDM_MORNING_ANSWER_NONE:
      AnswerMorningQuestion(PracticeEvent::None);
      return true;
    case IDM_MORNING_WRITE_DOWN:
      WriteDownMorningDream();
      return true;
  }
  return false;
}
