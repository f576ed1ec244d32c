#include "app/fatal_text.h"

#include <gtest/gtest.h>

#include "app/maker_info.h"

namespace {

TEST(FatalText, MessageThenBlankLineThenTwoSupportLines) {
  const std::string text = ComposeFatalText(kErrorSettingsLoad);
  EXPECT_EQ(text, std::string("Error Code : 113\nFailed to load configuration file.\n\nFor support contact us at ") +
                      kSupportEmail + "\nOr Visit " + kMakerHostName);
}

TEST(FatalText, LongMessageIsKeptWhole) {
  const std::string message(5000, 'a');
  const std::string text = ComposeFatalText(message.c_str());
  EXPECT_EQ(text.substr(0, 5000), message);
  EXPECT_EQ(text.find("\n\nFor support contact us at "), 5000u);
}

}  // namespace
