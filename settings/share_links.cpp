#include "settings/share_links.h"

#include "app/maker_info.h"
#include "settings/translation.h"

std::string ShareText() {
  // Translators: the text of a Twitter post the share button prepares for
  // the user; {address} is the maker's web address. It goes into a web
  // address as it is: no "&", "#" or "%". At most about 200 characters.
  return FillText(Tr("Hey Friends ! Checkout Somnivex that helps you to do reality checks for lucid dreams.Download At "
                     "{address}"),
                  {{"address", kMakerBareAddress}});
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
