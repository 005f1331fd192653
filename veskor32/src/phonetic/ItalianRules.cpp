// Italian: hard and soft c/g (ch, gh, ce/ci, ge/gi with a silent i before a
// vowel), gl, gn, sc, qu and doubled consonants spoken as one in a key.
#include <iterator>

#include "phonetic/RuleTable.h"

namespace veskor::phonetic {

namespace {

constexpr Rule kRules[] = {
    {"cch", "K"}, {"cci", "C", BeforeVowel}, {"cc", "C", BeforeFront}, {"ch", "K"},
    {"ci", "C", BeforeVowel}, {"c", "C", BeforeFront},
    // No Italian word ends in c: a final c is a Slavic -ic (spoken -ich) or a clipped -ci.
    {"cc", "C", End}, {"c", "C", End}, {"c", "K"},
    {"ggi", "J", BeforeVowel}, {"gg", "J", BeforeFront}, {"gh", "G"},
    // gli and gn sound close to li and ni before a vowel: Battaglia/Battalia.
    {"gli", "LI", BeforeVowel}, {"gl", "L", BeforeFront}, {"gn", "NI"},
    {"gi", "J", BeforeVowel}, {"g", "J", BeforeFront},
    {"sch", "SK"}, {"sci", "X", BeforeVowel}, {"sc", "X", BeforeFront},
    {"shi", "X", BeforeVowel}, {"sh", "X"},  // sh only in foreign or mistyped names
    {"qu", "KU"}, {"q", "KU"}, {"zz", "Z"},
    // n before b or p is spoken m (Lonbardo sounds as Lombardo).
    {"nb", "MB"}, {"np", "MP"}, {"z", "Z"},
    {"h", ""}, {"j", "J"}, {"k", "K"}, {"x", "KS"}, {"w", "V"}, {"y", "I"},
    {"ph", "F"},
};

constexpr LanguageRules kItalian{kRules, static_cast<int>(std::size(kRules)), nullptr, 0,
                                 VowelPolicy::KeepAll};

}  // namespace

const LanguageRules &italianRules() { return kItalian; }

}  // namespace veskor::phonetic
