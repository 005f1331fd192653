// English: silent letters and digraphs; only the first vowel group is kept
// because later, unstressed vowels are spelled almost at random (Catherine/Kathryn).
#include <iterator>

#include "phonetic/RuleTable.h"

namespace veskor::phonetic {

namespace {

constexpr Rule kRules[] = {
    // Silent first letters.
    {"kn", "N", Start}, {"gn", "N", Start}, {"pn", "N", Start}, {"ps", "S", Start},
    {"wr", "R", Start}, {"wh", "W", Start}, {"x", "S", Start},
    // Mac and Mc are one prefix.
    {"mac", "MK", Start}, {"mc", "MK", Start},
    {"sch", "X"}, {"sh", "X"}, {"tch", "X"},
    {"chae", "K"}, {"chr", "KR"}, {"ch", "X"},
    {"ck", "K"}, {"cc", "KS", BeforeFront}, {"c", "S", BeforeFront}, {"c", "K"},
    {"q", "K"}, {"x", "KS"}, {"z", "S"},
    {"dge", "J"}, {"dg", "J", BeforeFront},
    {"ugh", "U"}, {"gh", "G", Start}, {"gh", "G", BeforeVowel}, {"gh", ""}, {"gn", "N", End},
    {"gg", "G"}, {"g", "J", BeforeFront},
    {"mb", "M", End}, {"mbe", "M", End},
    {"es", "S", End | NotStart},  // Hughes, Jones, Holmes: the e of -es is not heard
    // The p of -mps- is barely heard (Thompson/Thomson, Sampson/Samson); Stephen is a v.
    {"mps", "MS"}, {"ephen", "EVEN"},
    {"ph", "F"}, {"th", "T"},
    {"wh", "W"}, {"w", "", AfterVowel | NotBeforeVowel},
    {"h", "", AfterVowel}, {"h", "", NotBeforeVowel | NotStart},
    {"y", "Y", Start | BeforeVowel}, {"y", "I"},
    // Vowel spellings of the same sound (only the first vowel group survives).
    {"ai", "AI"}, {"ay", "AI"}, {"ey", "AI"},
    {"ee", "E"}, {"ea", "E"}, {"ei", "E"}, {"ie", "E", NotStart},
    {"oo", "U"}, {"ou", "U"}, {"au", "O"}, {"aw", "O"},
};

constexpr LanguageRules kEnglish{kRules, static_cast<int>(std::size(kRules)), nullptr, 0,
                                 VowelPolicy::FirstGroup};

}  // namespace

const LanguageRules &englishRules() { return kEnglish; }

}  // namespace veskor::phonetic
