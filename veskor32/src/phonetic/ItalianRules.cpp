// Italian: hard and soft c/g (ch, gh, ce/ci, ge/gi with a silent i before a
// vowel), gl, gn, sc, qu and doubled consonants spoken as one in a key.
#include <iterator>

#include "phonetic/RuleTable.h"

namespace veskor::phonetic {

namespace {

constexpr Rule kRules[] = {
    {"cch", "K"}, {"cci", "C", BeforeVowel}, {"cc", "C", BeforeFront}, {"ch", "K"},
    {"ci", "C", BeforeVowel}, {"c", "C", BeforeFront}, {"c", "K"},
    {"ggi", "J", BeforeVowel}, {"gg", "J", BeforeFront}, {"gh", "G"},
    {"gli", "LY", BeforeVowel}, {"gl", "LY", BeforeFront}, {"gn", "NY"},
    {"gi", "J", BeforeVowel}, {"g", "J", BeforeFront},
    {"sch", "SK"}, {"sci", "X", BeforeVowel}, {"sc", "X", BeforeFront}, {"sh", "X"},  // sh only in foreign names
    {"qu", "KU"}, {"zz", "Z"}, {"z", "Z"},
    {"h", ""}, {"j", "J"}, {"k", "K"}, {"x", "KS"}, {"w", "V"}, {"y", "I"},
    {"ph", "F"},
};

constexpr LanguageRules kItalian{kRules, static_cast<int>(std::size(kRules)), nullptr, 0,
                                 VowelPolicy::KeepAll};

}  // namespace

const LanguageRules &italianRules() { return kItalian; }

}  // namespace veskor::phonetic
