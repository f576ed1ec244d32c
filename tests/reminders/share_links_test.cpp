#include "settings/share_links.h"

#include <gtest/gtest.h>

#include "app/maker_info.h"

namespace {

TEST(ShareLinks, EachTypeOpensItsAddress) {
  EXPECT_EQ(ShareAddress(kShareFacebook), kFacebookPage);
  EXPECT_EQ(ShareAddress(kShareGooglePlus), std::string(kMakerHomePage) + "gp/");
  EXPECT_EQ(ShareAddress(kShareHomePage), kMakerHomePage);
  EXPECT_EQ(ShareAddress(0), "");
  EXPECT_EQ(ShareAddress(5), "");
}

TEST(ShareLinks, TwitterAddressIsExactAndUnencoded) {
  const std::string expected = std::string(kTwitterSite) + "share?url=Visit " + kMakerWwwAddress +
                               "&text=Hey Friends ! Checkout Somnivex that helps you to do reality checks for lucid "
                               "dreams.Download At " +
                               kMakerBareAddress + "&count=horiztonal";
  const std::string address = ShareAddress(kShareTwitter);
  EXPECT_EQ(address, expected);
  const size_t url = address.find("?url="), text = address.find("&text="), count = address.find("&count=");
  EXPECT_LT(url, text);
  EXPECT_LT(text, count);
  EXPECT_EQ(address.find('%'), std::string::npos);
}

TEST(ShareLinks, ShareTextEndsWithTheBareAddress) {
  const std::string text = ShareText();
  const std::string tail = std::string("Download At ") + kMakerBareAddress;
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  EXPECT_EQ(std::string(kMakerBareAddress).find("www."), std::string::npos);
  EXPECT_NE(std::string(kMakerHomePage).back(), '\0');
  EXPECT_EQ(std::string(kMakerHomePage).back(), '/');
}

}  // namespace
