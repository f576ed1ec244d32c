#include "settings/share_links.h"

#include "app/maker_info.h"

std::string ShareText() {
  return std::string("Hey Friends ! Checkout Somnivex that helps you to do reality checks for lucid dreams.Download At ") +
         kMakerBareAddress;
}

std::string ShareAddress(int type) {
  switch (type) {
    case kShareFacebook:
      return kFacebookPage;
    case kShareTwitter:
      return std::string(kTwitterSite) + "share?url=Visit " + kMakerWwwAddress + "&text=" + ShareText() +
             "&count=horiztonal";
    case kShareGooglePlus:
      return kGooglePlusPage;
    case kShareHomePage:
      return kMakerHomePage;
    default:
      return std::string();
  }
}
