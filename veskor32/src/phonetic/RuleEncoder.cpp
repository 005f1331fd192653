#include <cstring>

#include "phonetic/RuleTable.h"
#include "text/Charset.h"

namespace veskor::phonetic {

namespace {

// Folded letters are lower-case ASCII; per-language marks are upper-case vowels.
constexpr bool isVowelLetter(char c)
{
    switch (c) {
    case 'a': case 'e': case 'i': case 'o': case 'u': case 'y':
    case 'A': case 'E': case 'I': case 'O': case 'U':
        return true;
    default:
        return false;
    }
}

constexpr bool isFront(char c) { return c == 'e' || c == 'i' || c == 'y' || c == 'E' || c == 'I'; }

constexpr bool isKeyVowel(char c) { return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U'; }

// goesOn: the word is cut short, so letters (unknown ones) follow its last.
bool contextHolds(std::uint16_t ctx, const char *w, int n, int at, int len, bool goesOn)
{
    const bool hasNext = at + len < n || goesOn;
    const char next = at + len < n ? w[at + len] : 0;
    const bool nextVowel = hasNext && isVowelLetter(next);
    if ((ctx & Start) && at != 0)
        return false;
    if ((ctx & NotStart) && at == 0)
        return false;
    if ((ctx & End) && hasNext)
        return false;
    if ((ctx & NotEnd) && !hasNext)
        return false;
    if ((ctx & BeforeFront) && !(hasNext && isFront(next)))
        return false;
    if ((ctx & NotBeforeFront) && hasNext && isFront(next))
        return false;
    if ((ctx & BeforeVowel) && !nextVowel)
        return false;
    if ((ctx & NotBeforeVowel) && nextVowel)
        return false;
    if ((ctx & AfterVowel) && !(at > 0 && isVowelLetter(w[at - 1])))
        return false;
    if ((ctx & AfterConsonant) && !(at > 0 && !isVowelLetter(w[at - 1])))
        return false;
    if ((ctx & Nasal) && (nextVowel || next == 'n' || next == 'm'))
        return false;
    return true;
}

}  // namespace

RuleEncoder::RuleEncoder(const LanguageRules &rules) : rules_(rules)
{
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<text::Byte>(b);
        foldTable_[b][0] = static_cast<char>(text::foldBase(byte));
        foldTable_[b][1] = static_cast<char>(text::foldSecond(byte));
        // Ordinal marks and the degree sign are letters for word splitting, not sounds.
        if (b == 0xAA || b == 0xBA || b == 0xB0)
            foldTable_[b][0] = foldTable_[b][1] = 0;
    }
    for (int f = 0; f < rules.foldCount; ++f) {
        const Fold &fold = rules.folds[f];
        foldTable_[fold.letter][0] = fold.as[0];
        foldTable_[fold.letter][1] = fold.as[0] ? fold.as[1] : 0;
    }
    // Stable bucketing by first letter keeps each table's own priority order.
    int next = 0;
    for (int c = 0; c < 128; ++c) {
        buckets_[c].first = static_cast<std::uint16_t>(next);
        for (int r = 0; r < rules.ruleCount && next < 512; ++r)
            if (static_cast<unsigned char>(rules.rules[r].pattern[0]) == c) {
                length_[next] = static_cast<std::uint8_t>(std::strlen(rules.rules[r].pattern));
                order_[next++] = static_cast<std::uint16_t>(r);
            }
        buckets_[c].count = static_cast<std::uint16_t>(next - buckets_[c].first);
    }
}

int RuleEncoder::encode(const unsigned char *word, int length, char *out, bool goesOn) const
{
    char w[2 * kMaxWordLetters];
    int n = 0;
    for (int i = 0; i < length && i < kMaxWordLetters; ++i) {
        const char *f = foldTable_[word[i]];
        if (f[0])
            w[n++] = f[0];
        if (f[1])
            w[n++] = f[1];
    }
    if (n == 0)
        return 0;

    // Spelling to sounds: at each position the first rule that matches wins.
    char sounds[kMaxWordKey];
    int s = 0;
    for (int i = 0; i < n && s < kMaxWordKey - 3;) {
        const char c = w[i];
        const Bucket b = (static_cast<unsigned char>(c) < 128) ? buckets_[static_cast<unsigned char>(c)] : Bucket{};
        bool matched = false;
        for (int k = 0; k < b.count; ++k) {
            const Rule &rule = rules_.rules[order_[b.first + k]];
            const int len = length_[b.first + k];
            if (len > n - i || std::memcmp(rule.pattern, w + i, static_cast<size_t>(len)) != 0)
                continue;
            if (!contextHolds(rule.ctx, w, n, i, len, goesOn))
                continue;
            for (const char *p = rule.sound; *p && s < kMaxWordKey; ++p)
                sounds[s++] = *p;
            i += len;
            matched = true;
            break;
        }
        if (!matched) {
            sounds[s++] = static_cast<char>(text::toUpper(static_cast<text::Byte>(c)));
            ++i;
        }
    }

    // Repeated sounds count once; English keeps only its first vowel group.
    int o = 0;
    bool vowelSeen = false, pastFirstGroup = false;
    for (int i = 0; i < s; ++i) {
        const char c = sounds[i];
        if (isKeyVowel(c)) {
            if (pastFirstGroup && rules_.vowels == VowelPolicy::FirstGroup)
                continue;
            vowelSeen = true;
        } else if (vowelSeen) {
            pastFirstGroup = true;
        }
        if (o > 0 && out[o - 1] == c)
            continue;
        out[o++] = c;
    }
    // A word never vanishes from the key: an all-silent word (an initial "H")
    // keeps its first letter.
    if (o == 0)
        out[o++] = static_cast<char>(text::toUpper(static_cast<text::Byte>(w[0])));
    return o;
}

}  // namespace veskor::phonetic
