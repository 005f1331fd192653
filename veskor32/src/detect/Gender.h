#pragma once
#include "text/Language.h"

#include <cstddef>

namespace veskor::detect {

enum class NameFormat { Unknown = 0, ForenameLast = 1, ForenameFirst = 2 };

// 'M', 'F' or 'U': from a gendered title anywhere in the text, else from the
// forename where the name format puts it, as the language's forenames have it.
char gender(const unsigned char *s, size_t len, Lang lang, int nameFormat);

}  // namespace veskor::detect
