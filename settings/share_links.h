// Addresses opened by the main window's share and visit buttons. No windows.h.
#pragma once

#include <string>

enum ShareType { kShareFacebook = 1, kShareTwitter = 2, kShareGooglePlus = 3, kShareHomePage = 4 };

// The text of the Twitter share in the language in use, ending with the
// maker's address.
std::string ShareText();
// The address for a share type 1 to 4; empty for any other value. Nothing
// is URL-encoded: blanks and punctuation go to the shell as they are.
std::string ShareAddress(int type);
