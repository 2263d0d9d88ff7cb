#pragma once
// The web addresses the program shows and opens.

namespace sentrel {

// Background on the worm, named in the default reply to infected hosts.
inline constexpr const char* kWormInfoUrl =
    "https://learn.microsoft.com/en-us/security-updates/securitybulletins/2003/ms03-026";
// The program's home page: the reply's footer, the IP list header, the About page.
inline constexpr const char* kHomePageUrl = "https://github.com/sentrel/sentrel";
// The author's page on the About page.
inline constexpr const char* kAuthorUrl = "https://github.com/sentrel";
// Where the donation picture leads.
inline constexpr const char* kDonationUrl = "https://github.com/sponsors/sentrel";

}  // namespace sentrel
