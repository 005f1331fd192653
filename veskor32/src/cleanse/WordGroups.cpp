#include "cleanse/WordGroups.h"

#include "cleanse/Case.h"
#include "text/Roman.h"
#include "text/Tokens.h"

namespace veskor::cleanse {

using dict::FormKind;
using text::Byte;

namespace {

// The form a match becomes, or null when the method leaves it alone. A short
// form that stands for several names stays as written: no one of them is right.
const std::string *replacementFor(const dict::Dictionary &d, Method method, const dict::PhraseMatch &m)
{
    const dict::Entry &e = *m.entry;
    if (e.shared)
        return nullptr;
    switch (method) {
    case Method::Normalise:
        return d.normalisesToShort() && !e.shortForm.empty() ? &e.shortForm : &e.canonical;
    case Method::Abbreviate:
        if (e.shortForm.empty() || m.kind == FormKind::Short || m.kind == FormKind::ShortVariant)
            return nullptr;
        return &e.shortForm;
    case Method::Elaborate:
        return m.kind == FormKind::Short || m.kind == FormKind::ShortVariant ? &e.canonical : nullptr;
    case Method::Exclude:
        // A trade or institution tells companies apart: it stays, written out.
        return e.kept ? &e.canonical : nullptr;
    }
    return nullptr;
}

// True when Exclude would leave no word of the text: then nothing is removed,
// since an empty text would match every other one.
bool excludesEverything(const dict::Dictionary &d, const Byte *s, size_t len)
{
    for (size_t pos = 0;;) {
        const text::Token t = text::nextToken(s, len, pos);
        if (t.kind == text::TokenKind::End)
            return true;
        dict::PhraseMatch m;
        if (t.kind == text::TokenKind::Word && !d.matchAt(s, len, t.begin, m))
            return false;
        if (t.kind == text::TokenKind::Word && m.entry->kept)
            return false;
        pos = t.kind == text::TokenKind::Word ? m.endDot : t.end;
    }
}

bool sameWhenFolded(const Byte *s, size_t len, std::string_view form)
{
    char a[dict::Dictionary::kMaxKey], b[dict::Dictionary::kMaxKey];
    int n = 0, k = 0;
    for (size_t i = 0; i < len && n >= 0; ++i)
        if (!text::isSpace(s[i]) && s[i] != '-')
            n = text::appendFolded(s, i, i + 1, a, n, dict::Dictionary::kMaxKey);
    const auto *f = reinterpret_cast<const Byte *>(form.data());
    for (size_t i = 0; i < form.size() && k >= 0; ++i)
        if (!text::isSpace(f[i]) && f[i] != '-')
            k = text::appendFolded(f, i, i + 1, b, k, dict::Dictionary::kMaxKey);
    return n >= 0 && n == k && std::string_view(a, n) == std::string_view(b, k);
}

// A code such as "DE" is in capitals whatever the text around it: unless the
// whole text is in capitals, its replacement is written capitalised.
SourceCase replacedCase(const Byte *s, size_t len, const dict::PhraseMatch &m)
{
    const SourceCase own = caseOf(s + m.begin, m.end - m.begin);
    if (!m.code || own != SourceCase::AllCaps)
        return own;
    for (size_t i = 0; i < len; ++i)
        if (text::toUpper(s[i]) != s[i])
            return SourceCase::Capitalised;
    return SourceCase::AllCaps;
}

void copy(const Byte *s, size_t b, size_t e, text::Writer &out)
{
    for (size_t i = b; i < e; ++i)
        out.put(s[i]);
}

}  // namespace

void applyMethod(const dict::Dictionary &dictionary, Method method, const Byte *s, size_t len, text::Writer &out)
{
    const bool keepAll = method == Method::Exclude && excludesEverything(dictionary, s, len);
    const bool readsRoman = dictionary.normalisesToShort() && (method == Method::Normalise || method == Method::Abbreviate);
    size_t pos = 0;
    while (pos < len && !out.full()) {
        const text::Token t = text::nextToken(s, len, pos);
        if (t.begin > pos)
            out.space();
        if (t.kind == text::TokenKind::End)
            break;
        if (readsRoman && t.kind == text::TokenKind::Word) {
            if (const int value = text::romanAt(s, len, t.begin, t.end)) {
                char digits[2];
                out.put(digits, static_cast<size_t>(text::writeDigits(value, digits)));
                pos = t.end;
                continue;
            }
        }
        dict::PhraseMatch m;
        const bool canStart = t.kind == text::TokenKind::Word || t.kind == text::TokenKind::Symbol;
        if (keepAll || !canStart || !dictionary.matchAt(s, len, t.begin, m)) {
            copy(s, t.begin, t.end, out);
            pos = t.end;
            continue;
        }
        const std::string *form = replacementFor(dictionary, method, m);
        if (method == Method::Exclude && !form) {
            // A hyphen that tied the removed word to its neighbour goes with it.
            size_t end = m.endDot;
            if (t.begin > 0 && s[t.begin - 1] == '-')
                out.dropLast('-');
            else if (end + 1 < len && s[end] == '-' && text::isAlnum(s[end + 1]))
                ++end;
            out.removed();
            // "Tull&Vane" loses the "&" but keeps its two words apart.
            if (t.begin > 0 && text::isAlnum(s[t.begin - 1]) && end < len && text::isAlnum(s[end]))
                out.space();
            pos = end;
            continue;
        }
        if (!form || sameWhenFolded(s + m.begin, m.end - m.begin, *form)) {
            copy(s, m.begin, m.end, out);  // the trailing full stop, if any, is copied next round
            pos = m.end;
            continue;
        }
        if (m.begin > 0 && !form->empty() && text::isAlnum(s[m.begin - 1]) && text::isAlnum(static_cast<Byte>(form->front())))
            out.space();
        putInCase(*form, replacedCase(s, len, m), out);
        pos = m.endDot;
        // "C/Mayor" -> "Calle Mayor": a written-out form keeps its distance from glued words.
        if (pos < len && text::isAlnum(s[pos]) && !form->empty() && text::isAlnum(static_cast<Byte>(form->back())))
            out.space();
    }
}

}  // namespace veskor::cleanse
