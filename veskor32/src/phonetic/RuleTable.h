#pragma once
// Spelling-to-sound rules as data. Each language is a table of rewrite rules
// over folded lower-case letters plus a few per-language choices; one engine
// (RuleEncoder) applies any table.
#include <cstdint>

#include "phonetic/Encoder.h"

namespace veskor::phonetic {

// Where a rule may fire, checked against the letters around the match.
enum Ctx : std::uint16_t {
    Any = 0,
    Start = 1 << 0,           // at the beginning of the word
    End = 1 << 1,             // at the end of the word
    NotEnd = 1 << 2,
    BeforeFront = 1 << 3,     // next letter e, i or y
    NotBeforeFront = 1 << 4,  // next letter anything else, or end of word
    BeforeVowel = 1 << 5,
    NotBeforeVowel = 1 << 6,  // consonant next, or end of word
    AfterVowel = 1 << 7,
    AfterConsonant = 1 << 8,  // a consonant before (not at the start)
    NotStart = 1 << 9,
    Nasal = 1 << 10,          // French nasal vowel: no vowel, n or m next
};

struct Rule {
    const char *pattern;  // folded lower-case letters; upper-case letters are
                          // per-language marks from the letter folding (see Fold)
    const char *sound;    // upper-case key letters, may be empty (silent)
    std::uint16_t ctx = Any;
};

// A letter that this language folds differently from the plain accent fold.
struct Fold {
    unsigned char letter;  // Windows-1252
    const char *as;        // one or two folded letters
};

enum class VowelPolicy {
    KeepAll,    // vowels carry the name (Romance and German spellings)
    FirstGroup  // only the first vowel group counts (English unstressed vowels vary freely)
};

struct LanguageRules {
    const Rule *rules;
    int ruleCount;
    const Fold *folds;
    int foldCount;
    VowelPolicy vowels;
};

class RuleEncoder final : public Encoder {
public:
    explicit RuleEncoder(const LanguageRules &rules);
    int encode(const unsigned char *word, int length, char *out, bool goesOn) const override;

private:
    struct Bucket {
        std::uint16_t first = 0, count = 0;
    };
    const LanguageRules &rules_;
    // Rules by first pattern letter, kept in table order (longer patterns first).
    Bucket buckets_[128]{};
    std::uint16_t order_[512]{};
    std::uint8_t length_[512]{};  // pattern length of order_[i]
    char foldTable_[256][3]{};
};

}  // namespace veskor::phonetic
