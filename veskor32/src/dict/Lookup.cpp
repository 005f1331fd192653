#include "dict/Lookup.h"

namespace veskor::dict {

Found lookupAcross(int group, Lang lang, const unsigned char *s, size_t len, size_t pos)
{
    Found f;
    if (dictionary(lang, group).matchAt(s, len, pos, f.match)) {
        f.found = f.ownLanguage = true;
        f.gender = f.match.entry->gender;
        return f;
    }
    char agreed = 0;
    for (int code = 1; code <= 5; ++code) {
        const Lang other = langFrom(code);
        PhraseMatch m;
        if (other == lang || !dictionary(other, group).matchAt(s, len, pos, m))
            continue;
        if (!f.found || m.end > f.match.end)
            f.match = m;
        f.found = true;
        const char g = m.entry->gender;
        agreed = agreed == 0 ? g : (agreed == g ? agreed : 'U');
    }
    f.gender = agreed ? agreed : 'U';
    return f;
}

}  // namespace veskor::dict
