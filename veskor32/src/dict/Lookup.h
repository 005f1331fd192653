#pragma once
// Phrase lookups that fall back on the other languages' dictionaries when the
// text's own language does not know a phrase (a German legal form in an
// English address book, an English title in a French one).
#include "dict/Store.h"

namespace veskor::dict {

struct Found {
    bool found = false;
    bool ownLanguage = false;
    char gender = 'U';  // of the own language's entry, or the one the others agree on
    PhraseMatch match;  // the longest match
};

Found lookupAcross(int group, Lang lang, const unsigned char *s, size_t len, size_t pos);

}  // namespace veskor::dict
