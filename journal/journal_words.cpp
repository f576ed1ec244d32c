#include "journal/journal_words.h"

#include "settings/translation.h"

JournalLabels JournalLabelTexts() {
  JournalLabels l;
  // Translators: the dream journal window's heading, bold, in its title
  // band beside the moon; about 400 pixels at 100 %, cut with an ellipsis
  // past that.
  l.title = Tr("Dream Journal");
  // Translators: the name of the dream journal's round x button, which
  // closes the window; not shown, read aloud by screen readers.
  l.close = Tr("Close");
  // Translators: grey hint inside the dream journal's empty search field,
  // which filters the list by the dreams' words and dream signs; about 230
  // pixels at 100 % (the field widens a little for a longer hint).
  l.searchCue = Tr("Search your dreams and signs");
  // Translators: dream journal button that starts a new dream of last
  // night; 76 pixels at 100 %, and the button grows for a longer word.
  l.newButton = Tr("New");
  // Translators: dream journal button that deletes the dream shown; 76
  // pixels at 100 %, and the button grows for a longer word.
  l.deleteButton = Tr("Delete");
  // Translators: dream journal label before the field with the dream's dream
  // signs (things that show you are dreaming), separated by commas; about
  // 80 pixels at 100 %, it grows for a longer label.
  l.signsLabel = Tr("Dream signs:");
  // Translators: dream journal heading over the list of the dream signs that
  // came up most in the last 90 days; one line of at most 250 pixels at 100 %.
  l.signsTitle = Tr("Your dream signs");
  return l;
}

const char* JournalKindName(DreamKind kind) {
  switch (kind) {
    case DreamKind::Lucid:
      // Translators: a kind of dream in the dream journal's kind box: a dream
      // in which you knew you were dreaming. Short: the box is about 110
      // pixels at 100 %.
      return TrC("dream kind", "Lucid dream");
    case DreamKind::Fragment:
      // Translators: a kind of dream in the dream journal's kind box: only a
      // piece of a dream is remembered. Short: about 110 pixels at 100 %.
      return TrC("dream kind", "Fragment");
    case DreamKind::Dream:
    default:
      // Translators: a kind of dream in the dream journal's kind box: an
      // ordinary dream. Short: about 110 pixels at 100 %.
      return TrC("dream kind", "Dream");
  }
}

std::string JournalDreamEntry(int index, DreamKind kind) {
  // Translators: an entry of the dream journal's box that chooses among the
  // dreams of one morning: {number} is the dream's number (1, 2, ...),
  // {kind} its kind ("Lucid dream"); about 130 pixels at 100 %.
  return FillText(TrC("dream journal", "{number}. {kind}"),
                  {{"number", std::to_string(index + 1)}, {"kind", JournalKindName(kind)}});
}

const char* JournalUnreadableNote() {
  // Translators: in the dream journal's list of mornings, after the date of
  // a file that is not text (it is listed but not opened); the list is 250
  // pixels wide at 100 %, and a longer row is cut at its edge.
  return Tr("(cannot be read as text)");
}

std::string JournalStatusText(JournalStatus status, const std::string& file, const std::string& copy) {
  const char* text = "";
  switch (status) {
    case JournalStatus::Saved:
      // Translators: the dream journal's status line, one line under the text
      // (about 330 to 500 pixels at 100 %; a longer line ends in an ellipsis)
      // after the dream was saved; {file} is the file's name "2026-03-14.md".
      text = Tr("Saved in {file}.");
      break;
    case JournalStatus::NotSaved:
      // Translators: the dream journal's status line (one line of about 330 to
      // 500 pixels at 100 %, a longer one ends in an ellipsis) when the file
      // {file} could not be written; the typed words stay in the window.
      text = Tr("Could not save {file}. Your words stay here; it is tried again as you type.");
      break;
    case JournalStatus::ChangedOutside:
      // Translators: the dream journal's status line (one line of about 330 to
      // 500 pixels at 100 %, a longer one ends in an ellipsis) when the file
      // {file} was changed by another program while open: that version is
      // left alone and the dream went to the new file {copy}.
      text = Tr("{file} was changed outside Somnivex: it is kept as it is, and this dream was saved as {copy}.");
      break;
    case JournalStatus::NotText:
      // Translators: the dream journal's status line (one line of about 330 to
      // 500 pixels at 100 %, a longer one ends in an ellipsis) when the file
      // {file} cannot be opened as text; it is listed but never changed.
      text = Tr("{file} is not UTF-8 text (or is over 1 MB): it is listed, and never changed here.");
      break;
    case JournalStatus::NotRecycled:
      // Translators: the dream journal's status line (one line of about 330 to
      // 500 pixels at 100 %, a longer one ends in an ellipsis) when the file
      // {file}, left without dreams, could not be moved to the Recycle Bin
      // (use Windows' own name for it).
      text = Tr("Could not move {file} to the Recycle Bin.");
      break;
    case JournalStatus::Recycled:
      // Translators: the dream journal's status line (one line of about 330 to
      // 500 pixels at 100 %, a longer one ends in an ellipsis) after the last
      // dream of the file {file} was deleted and the file went to the Recycle
      // Bin (use Windows' own name for it).
      text = Tr("{file} had no dream left and went to the Recycle Bin.");
      break;
  }
  return FillText(text, {{"file", file}, {"copy", copy}});
}

const char* JournalDeleteQuestion() {
  // Translators: the question in the box that asks before a dream is deleted
  // from the dream journal (Yes and No buttons).
  return Tr("Delete this dream?");
}

const char* JournalDeleteTitle() {
  // Translators: the title of the box that asks before a dream is deleted
  // from the dream journal.
  return Tr("Delete Dream");
}
