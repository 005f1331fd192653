#pragma once
#include "text/Language.h"

#include <cstddef>

namespace veskor::detect {

enum class Pattern { Company = 0, Contact = 1, Email = 2, WebSite = 3 };

// Whether the text has the pattern; pattern values outside 0..3 never match.
bool hasPattern(const unsigned char *s, size_t len, Lang lang, int pattern);

// Syntax checks, exposed for their own tests.
bool isEmailAddress(const unsigned char *s, size_t len);
bool isWebSite(const unsigned char *s, size_t len);

}  // namespace veskor::detect
