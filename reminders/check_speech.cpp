#include "reminders/check_speech.h"

#include "reminders/sign_check.h"
#include "settings/translation.h"

namespace {

std::string Sentences(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) {
    if (part.empty()) continue;
    if (!text.empty()) text += ' ';
    text += part;
  }
  return text;
}

// A line that the popup shows on its own, ended as a sentence where it
// has no end mark of its own, so that a reader pauses after it.
std::string Sentence(std::string line) {
  static const char* const kEnds[] = {".", "?", "!", "\xE3\x80\x82", "\xEF\xBC\x9F", "\xEF\xBC\x81"};  // also 。？！
  for (const char* end : kEnds) {
    const std::string_view mark(end);
    if (line.size() >= mark.size() && line.compare(line.size() - mark.size(), mark.size(), mark) == 0) return line;
  }
  return line.empty() ? line : line + ".";
}

}  // namespace

std::string RealityCheckSpeech(CheckKind kind, std::string_view word, std::string_view clock, std::string_view sign) {
  // Translators: read by a screen reader first when a reality check
  // appears (the popup's heading "REALITY CHECK", as a sentence).
  const char* heading = TrC("screen reader", "Reality check.");
  // Translators: the reality check's question, in large letters in the
  // middle of the popup.
  const char* question = Tr("Is this a dream?");
  switch (kind) {
    case CheckKind::Nose:
      // Translators: the nose check's two lines under "Is this a dream?"
      // on the reality check popup.
      return Sentences({heading, question, Tr("Pinch your nose."), Tr("Can you still breathe?")});
    case CheckKind::Palm:
      // Translators: the palm check's two lines under "Is this a dream?"
      // on the reality check popup.
      return Sentences({heading, question, Tr("Push a finger against your palm."), Tr("Does it go through?")});
    case CheckKind::Clock:
      // Translators: the clock check's two lines under "Is this a dream?"
      // on the reality check popup.
      return Sentences({heading, question, Tr("Look at a clock, look away, look again."), Tr("Did it change?")});
    case CheckKind::Text: {
      // Translators: read by a screen reader for the text check, whose
      // popup shows a word and the time in large letters. {word} is the
      // word, {time} the time as 14:05.
      const char* shown = TrC("screen reader", "The word {word} and the time {time}.");
      // Translators: the text check's line under its word and time on the
      // reality check popup.
      const char* task = Tr("Read it. Look away. Read it again.");
      return Sentences({heading, FillText(shown, {{"word", word}, {"time", clock}}), task});
    }
    case CheckKind::DreamSign:
      return Sentences({heading, Sentence(SignCheckCaption(sign)), Tr(kSignCheckQuestion)});
    case CheckKind::Hand:
      break;
  }
  // Translators: the hand check's two lines under "Is this a dream?" on
  // the reality check popup.
  return Sentences({heading, question, Tr("Look at your hand."), Tr("Count your fingers, then look again.")});
}
