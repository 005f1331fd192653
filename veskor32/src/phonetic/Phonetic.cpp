#include "phonetic/Phonetic.h"

#include <cstring>
#include <string>

#include "dict/Store.h"
#include "phonetic/Encoder.h"
#include "phonetic/GenderMarks.h"
#include "text/Charset.h"
#include "text/Roman.h"
#include "text/Tokens.h"

namespace veskor::phonetic {

namespace {

using text::Byte;

constexpr int kMaxKeyWord = 255;
constexpr int kNumbering = 5;
constexpr int kForenames = 12;
constexpr int kTitles = 7;
constexpr int kLocalities = 9;
// Longest word read as an abbreviation for want of vowels ("Bgm", "Str", "Gdns").
constexpr int kMaxVowellessAbbreviation = 5;
// A single letter with a full stop is an initial, not a cut word.
constexpr int kMinCutLetters = 2;

// "Bgm", not "SNC" or "GmbH": codes in capitals are initials, not a cut word.
bool capitalised(const Byte *s, size_t b, size_t e)
{
    if (text::toUpper(s[b]) != s[b] || text::toLower(s[b]) == s[b])
        return false;
    for (size_t i = b + 1; i < e; ++i)
        if (text::toLower(s[i]) != s[i])
            return false;
    return true;
}

constexpr bool isKeyVowel(char c) { return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U'; }

constexpr bool isVowel(Byte c)
{
    const Byte b = text::foldBase(c);
    return b == 'a' || b == 'e' || b == 'i' || b == 'o' || b == 'u' || b == 'y';
}

// Key of one input word (letters and digits): letter runs through the
// language's encoder, digits as they are. Returns its length (maybe 0).
int keyWord(const Encoder &encoder, const Byte *word, int length, KeyOptions options, bool goesOn, char *out)
{
    int o = 0;
    char sounds[kMaxWordKey];
    for (int i = 0; i < length;) {
        int j = i;
        if (text::isDigit(word[i])) {
            while (j < length && text::isDigit(word[j]))
                ++j;
            for (int k = i; k < j && !options.removeNumbers && o < kMaxKeyWord; ++k)
                out[o++] = static_cast<char>(word[k]);
        } else {
            while (j < length && !text::isDigit(word[j]))
                ++j;
            const int n = encoder.encode(word + i, j - i, sounds, goesOn && j == length);
            for (int k = 0; k < n && o < kMaxKeyWord; ++k)
                out[o++] = sounds[k];
        }
        i = j;
    }
    if (!options.deleteVowels || o == 0)
        return o;
    int kept = 1;
    for (int k = 1; k < o; ++k)
        if (!isKeyVowel(out[k]))
            out[kept++] = out[k];
    return kept;
}

// The figures of the number at s[at], written as digits, a word ("vingt et
// un", "ventiquattro"), an ordinal ("1st", "1er") or a Roman numeral; 0 when
// there is none. *end is set past it.
int numberAt(const dict::Dictionary &numbers, const Byte *s, size_t len, size_t at, size_t wordEnd, char *digits,
             size_t *end)
{
    if (const int value = text::romanAt(s, len, at, wordEnd)) {
        *end = wordEnd;
        return text::writeDigits(value, digits);
    }
    dict::PhraseMatch m;
    if (!numbers.matchAt(s, len, at, m) || m.entry->shared)
        return 0;
    const std::string &figure = m.entry->shortForm;
    int n = 0;
    while (n < static_cast<int>(figure.size()) && n < 8 && text::isDigit(static_cast<Byte>(figure[static_cast<size_t>(n)]))) {
        digits[n] = figure[static_cast<size_t>(n)];
        ++n;
    }
    *end = m.end;
    return n;
}

// A short vowelless word that titles or locality words know ("St", "Mme",
// "Dr", "Bgm"): its written-out form keys it, with or without a full stop, so
// "St-Just" meets "Saint-Just" even where no word group ran. Words with vowels
// are left alone: "Co" without its full stop would key apart from "Co.".
const std::string *writtenOut(Lang lang, const Byte *s, size_t len, size_t b, size_t e, size_t *end)
{
    const std::string *found = nullptr;
    for (int group : {kTitles, kLocalities}) {
        dict::PhraseMatch m;
        if (!dict::dictionary(lang, group).matchAt(s, len, b, m) || m.end != e || m.entry->shared)
            continue;
        if (m.kind != dict::FormKind::Short && m.kind != dict::FormKind::ShortVariant)
            return nullptr;
        if (found && *found != m.entry->canonical)
            return nullptr;  // a title here, a place word there: no telling which
        found = &m.entry->canonical;
        *end = m.endDot;
    }
    return found;
}

// A forename typed without its accents ("Chloe", "Andre") keys as the
// dictionary writes it ("Chloé", "André"): the accent may be heard (a final é
// is), and whoever left it off meant the same name. Null when the word at
// s[b, e) is no such forename.
const std::string *accentedForename(Lang lang, const Byte *s, size_t len, size_t b, size_t e)
{
    dict::PhraseMatch m;
    if (!dict::dictionary(lang, kForenames).matchAt(s, len, b, m) || m.end != e || m.entry->shared)
        return nullptr;
    const std::string &canonical = m.entry->canonical;
    if (canonical.size() != e - b || std::memcmp(canonical.data(), s + b, e - b) == 0)
        return nullptr;
    char a[dict::Dictionary::kMaxKey], c[dict::Dictionary::kMaxKey];
    const int na = text::appendFolded(s, b, e, a, 0, dict::Dictionary::kMaxKey);
    const auto *cs = reinterpret_cast<const Byte *>(canonical.data());
    const int nc = text::appendFolded(cs, 0, canonical.size(), c, 0, dict::Dictionary::kMaxKey);
    return na > 0 && na == nc && std::memcmp(a, c, static_cast<size_t>(na)) == 0 ? &canonical : nullptr;
}

int buildKey(const char *text, Lang lang, KeyOptions options, bool marks, char *out, int capacity, bool expand = true)
{
    if (!out)
        return 0;
    if (capacity < 0)
        capacity = 0;
    int written = 0;
    if (text) {
        const Encoder &encoder = encoderFor(lang);
        const dict::Dictionary &numbers = dict::dictionary(lang, kNumbering);
        const auto *s = reinterpret_cast<const Byte *>(text);
        const size_t len = std::strlen(text);
        char word[kMaxKeyWord + 1];
        size_t at = 0;
        while (at < len && written < capacity) {
            while (at < len && !text::isAlnum(s[at]))
                ++at;
            const size_t start = at;
            int letters = 0, vowels = 0;
            while (at < len && text::isAlnum(s[at])) {
                letters += text::isLetter(s[at]) ? 1 : 0;
                vowels += isVowel(s[at]) ? 1 : 0;
                ++at;
            }
            const int length = static_cast<int>(at - start);
            if (length == 0 || (options.removeInitials && length == 1 && letters == 1))
                continue;
            int n = 0;
            size_t end = at;
            if ((n = numberAt(numbers, s, len, start, at, word, &end)) > 0) {
                at = end;
                if (options.removeNumbers)
                    continue;
            } else {
                // Cut short: a full stop right after it, or too short and vowelless to be a word.
                const bool cut = letters == length && letters >= kMinCutLetters &&
                                 ((at < len && s[at] == '.') ||
                                  (vowels == 0 && letters <= kMaxVowellessAbbreviation && capitalised(s, start, at)));
                const std::string *full = cut && vowels == 0 && expand ? writtenOut(lang, s, len, start, at, &end) : nullptr;
                if (full) {
                    n = buildKey(full->c_str(), lang, options, marks, word, kMaxKeyWord, false);
                    at = end;
                } else if (const std::string *accented = letters == length && !cut
                                                             ? accentedForename(lang, s, len, start, at)
                                                             : nullptr) {
                    n = keyWord(encoder, reinterpret_cast<const Byte *>(accented->data()), length, options, false, word);
                } else {
                    n = keyWord(encoder, s + start, length, options, cut, word);
                }
                if (marks && !full && n > 0 && letters == length && n < kMaxKeyWord) {
                    char folded[dict::Dictionary::kMaxKey];
                    const int f = text::appendFolded(s, start, at, folded, 0, dict::Dictionary::kMaxKey);
                    if (f > 0 && isMarkedFeminine(lang, folded, f))
                        word[n++] = kFeminineMark;
                }
                if (cut && !full && n > 0 && !options.compact && n < kMaxKeyWord)
                    word[n++] = '.';
            }
            if (n == 0)
                continue;
            // A separator only when some of the word fits after it.
            if (written > 0 && !options.compact) {
                if (written + 1 >= capacity)
                    break;
                out[written++] = ' ';
            }
            for (int k = 0; k < n && written < capacity; ++k)
                out[written++] = word[k];
        }
    }
    out[written] = '\0';
    return written;
}

}  // namespace

int generateKey(const char *text, Lang lang, KeyOptions options, char *out, int capacity)
{
    return buildKey(text, lang, options, true, out, capacity);
}

int generatePlainKey(const char *text, Lang lang, char *out, int capacity)
{
    return buildKey(text, lang, KeyOptions{}, false, out, capacity);
}

void release() { releaseGenderMarks(); }

}  // namespace veskor::phonetic
