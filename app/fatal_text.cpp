#include "app/fatal_text.h"

#include "app/maker_info.h"

std::string ComposeFatalText(const char* message) {
  std::string text = message ? message : "";
  text += "\n\nFor support contact us at ";
  text += kSupportEmail;
  text += "\nOr Visit ";
  text += kMakerHostName;
  return text;
}
