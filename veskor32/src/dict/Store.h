#pragma once
// The embedded dictionaries, parsed on first use and kept until release().
#include "dict/Dictionary.h"
#include "text/Language.h"

namespace veskor::dict {

// The word group of a language; an empty dictionary for unknown group codes
// or groups without a file.
const Dictionary &dictionary(Lang lang, int group);

// Frees every parsed dictionary; the next lookup parses again.
void release();

}  // namespace veskor::dict
