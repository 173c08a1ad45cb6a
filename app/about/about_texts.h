#pragma once

#include "product_info.h"

// The About window's texts, in the order the window takes them.
constexpr const char* kAboutCaption = "About";
constexpr const char* kAboutWindowClassName = "LumencrestWindowClass";
constexpr const char* kAboutLinkCaption = "Visit website";
constexpr const char* kAboutText =
    EMBERVEIL_COPYRIGHT "\r\n"
                        "More free screensavers on " EMBERVEIL_SITE_URL "\r\n"
                        "Feel free to contact us: " EMBERVEIL_CONTACT_ADDRESS;
constexpr const char* kAboutProductName = EMBERVEIL_PRODUCT_NAME;

// What "Visit website" opens: the site's home page, tagged so that the maker can tell visits that
// came from the About window.
constexpr const char* kAboutLink = EMBERVEIL_ABOUT_LINK;
