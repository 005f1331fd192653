#include "detect/Gender.h"

#include "detect/Groups.h"
#include "dict/Lookup.h"
#include "text/Tokens.h"

namespace veskor::detect {

namespace {

using text::TokenKind;

constexpr size_t kNone = static_cast<size_t>(-1);

// Where a forename may stand, found in one pass that also reads the titles.
struct Scan {
    char titleGender = 0;  // from the gendered titles; 'U' when they disagree
    size_t first = kNone;       // first word that is no title
    size_t last = kNone;        // start of the last name part (hyphenated words kept together)
    size_t afterComma = kNone;  // first name part after the last comma
};

Scan scan(const unsigned char *s, size_t len, Lang lang)
{
    Scan r;
    bool sawComma = false;
    bool joined = false;  // the previous token was a hyphen directly before this word
    for (size_t pos = 0;;) {
        const text::Token t = text::nextToken(s, len, pos);
        if (t.kind == TokenKind::End)
            break;
        if (t.kind != TokenKind::Word) {
            if (s[t.begin] == ',') {
                sawComma = true;
                r.afterComma = kNone;
            }
            joined = t.kind == TokenKind::Hyphen && t.begin > 0 && !text::isSpace(s[t.begin - 1]);
            pos = t.end;
            continue;
        }
        // The text's own language first: its forenames are not mistaken for
        // another language's titles or suffixes ("Don", "Sr").
        dict::PhraseMatch own;
        dict::Found title;
        bool suffix = false;
        if (dict::dictionary(lang, kTitleGroup).matchAt(s, len, t.begin, own)) {
            title = {true, true, own.entry->gender, own};
        } else if (dict::dictionary(lang, kSuffixGroup).matchAt(s, len, t.begin, own)) {
            suffix = true;
        } else if (!dict::dictionary(lang, kForenameGroup).matchAt(s, len, t.begin, own)) {
            title = dict::lookupAcross(kTitleGroup, lang, s, len, t.begin);
            suffix = !title.found && dict::lookupAcross(kSuffixGroup, lang, s, len, t.begin).found;
        }
        if (title.found) {
            // "Mr and Mrs Smith" names a couple: the titles disagree, so no gender.
            if (title.gender != 'U')
                r.titleGender = r.titleGender && r.titleGender != title.gender ? 'U' : title.gender;
            pos = title.match.endDot;
            joined = false;
            continue;
        }
        if (!joined && !suffix) {
            if (r.first == kNone)
                r.first = t.begin;
            r.last = t.begin;
            if (sawComma && r.afterComma == kNone)
                r.afterComma = t.begin;
        }
        joined = false;
        pos = t.end;
    }
    return r;
}

char forenameGender(const unsigned char *s, size_t len, Lang lang, size_t at)
{
    if (at == kNone)
        return 0;
    const dict::Found f = dict::lookupAcross(kForenameGroup, lang, s, len, at);
    return f.found ? f.gender : 0;
}

}  // namespace

char gender(const unsigned char *s, size_t len, Lang lang, int nameFormat)
{
    const Scan r = scan(s, len, lang);
    if (r.titleGender)
        return r.titleGender;
    char g = 0;
    switch (nameFormat) {
    case static_cast<int>(NameFormat::ForenameFirst):
        g = forenameGender(s, len, lang, r.first);
        if (g != 'M' && g != 'F')  // "Ashgrove, William" says by its comma where the forename is
            g = forenameGender(s, len, lang, r.afterComma);
        break;
    case static_cast<int>(NameFormat::ForenameLast):
        g = forenameGender(s, len, lang, r.afterComma != kNone ? r.afterComma : r.last);
        break;
    default:
        g = forenameGender(s, len, lang, r.first);
        if (g != 'M' && g != 'F')
            g = forenameGender(s, len, lang, r.afterComma != kNone ? r.afterComma : r.last);
        break;
    }
    return g == 'M' || g == 'F' ? g : 'U';
}

}  // namespace veskor::detect
