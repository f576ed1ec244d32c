// The maker's addresses. Each can be overridden when the build is
// configured (see the SMX_MAKER_* cache variables of the top-level
// CMakeLists.txt); the defaults are the project's own placeholder domain.
#pragma once

#ifndef SMX_MAKER_DOMAIN
#define SMX_MAKER_DOMAIN "somnivex.example"
#endif
#ifndef SMX_MAKER_SCHEME
#define SMX_MAKER_SCHEME "http://"
#endif
#ifndef SMX_SUPPORT_EMAIL
#define SMX_SUPPORT_EMAIL "support@" SMX_MAKER_DOMAIN
#endif
#ifndef SMX_FACEBOOK_PAGE
#define SMX_FACEBOOK_PAGE "https://www.facebook.com/somnivex"
#endif
#ifndef SMX_TWITTER_SITE
#define SMX_TWITTER_SITE "https://twitter.com/"
#endif

// Host name with the www prefix, as shown to the user ("www.somnivex.example").
#define SMX_MAKER_HOST "www." SMX_MAKER_DOMAIN

// Site root with a trailing slash: home page, tray item, visit buttons.
inline constexpr const char kMakerHomePage[] = SMX_MAKER_SCHEME SMX_MAKER_HOST "/";
// Site root with the www prefix, no trailing slash (Twitter "url=Visit ...").
inline constexpr const char kMakerWwwAddress[] = SMX_MAKER_SCHEME SMX_MAKER_HOST;
// Site root without the www prefix, no trailing slash (end of the share text).
inline constexpr const char kMakerBareAddress[] = SMX_MAKER_SCHEME SMX_MAKER_DOMAIN;
// Host name only, for the support lines of the error box and the tray item.
inline constexpr const char kMakerHostName[] = SMX_MAKER_HOST;
inline constexpr const char kOnlineHelpPage[] = SMX_MAKER_SCHEME SMX_MAKER_HOST "/smx/help.html";
inline constexpr const char kGooglePlusPage[] = SMX_MAKER_SCHEME SMX_MAKER_HOST "/gp/";
inline constexpr const char kFacebookPage[] = SMX_FACEBOOK_PAGE;
inline constexpr const char kTwitterSite[] = SMX_TWITTER_SITE;
inline constexpr const char kSupportEmail[] = SMX_SUPPORT_EMAIL;
