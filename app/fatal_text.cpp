#include "app/fatal_text.h"

#include "app/maker_info.h"

std::string ComposeFatalText(const char* message) {
  std::string text = message ? Tr(message) : "";
  text += "\n\n";
  // Translators: the two lines under every error message: {email} is the
  // support address, {site} the maker's web site ("www.somnivex.example").
  text += FillText(Tr("For support contact us at {email}\nOr Visit {site}"),
                   {{"email", kSupportEmail}, {"site", kMakerHostName}});
  return text;
}
