#include "journal/dream_window_names.h"

#include "resources/resource_ids.h"
#include "settings/translation.h"
#include "skin/accessible_object.h"

namespace {

struct ControlName {
  int id;
  const char* context;  // none: the text is the same as one the window shows
  const char* name;
};

constexpr ControlName kNames[] = {
    // Translators: the name a screen reader reads for the dream journal's
    // search box (the same words show in it while it is empty).
    {IDC_JOURNAL_SEARCH, nullptr, N_("Search your dreams and signs")},
    // Translators: the name a screen reader reads for the dream journal's
    // list of mornings, newest first.
    {IDC_JOURNAL_LIST, "dream journal", NC_("dream journal", "Mornings")},
    // Translators: the name a screen reader reads for the dream journal's
    // box of the dreams written down on the chosen morning.
    {IDC_JOURNAL_DREAMS, "dream journal", NC_("dream journal", "Dreams of this morning")},
    // Translators: the name a screen reader reads for the dream journal's
    // box of the kind of dream (lucid dream, dream, fragment).
    {IDC_JOURNAL_KIND, "dream journal", NC_("dream journal", "Kind of dream")},
    // Translators: the name a screen reader reads for the dream journal's
    // field of the dream signs, after its label "Dream signs:".
    {IDC_JOURNAL_SIGNS, "dream journal", NC_("dream journal", "Dream signs")},
    // Translators: the name a screen reader reads for the dream journal's
    // large field where the dream is written.
    {IDC_JOURNAL_TEXT, "dream journal", NC_("dream journal", "The dream")},
    // Translators: the name a screen reader reads for the list under "Your
    // dream signs" in the dream journal.
    {IDC_JOURNAL_TOP_SIGNS, nullptr, N_("Your dream signs")},
};

}  // namespace

void NameJournalControls(HWND window) {
  for (const ControlName& c : kNames) {
    SetAccessibleName(GetDlgItem(window, c.id), c.context ? TrC(c.context, c.name) : Tr(c.name));
  }
}
