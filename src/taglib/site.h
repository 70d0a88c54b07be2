#pragma once

#include <string_view>

// The maker's web site. Every address the program publishes or opens is built
// from this one host, so the snippets and the About page can never disagree.
// A macro so that snippet texts stay compile-time literals.
#define TAGGEN_SITE_HOST "www.zavocms.com"
#define TAGGEN_SITE_ADDRESS "http://" TAGGEN_SITE_HOST

namespace taggen {

inline constexpr std::string_view kSiteHost = TAGGEN_SITE_HOST;

}  // namespace taggen
