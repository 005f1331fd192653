// German: sch/ch, umlauts written out (ae/oe/ue) or not, final devoicing
// (d/t, g/k, b/p), v/f, w/v, the ei/ai/ey/ay diphthong and z/tz.
#include <iterator>

#include "phonetic/RuleTable.h"

namespace veskor::phonetic {

namespace {

// Umlauts fold to their written-out forms so Müller and Mueller meet.
constexpr Fold kFolds[] = {{0xE4, "ae"}, {0xC4, "ae"}, {0xF6, "oe"}, {0xD6, "oe"},
                           {0xFC, "ue"}, {0xDC, "ue"}};

constexpr Rule kRules[] = {
    // Michael, Raphael, Samuel, Manuel: a spelled-out vowel pair, not an umlaut.
    {"ael", "AEL", End}, {"uel", "UEL", End},
    {"aeu", "OI"}, {"eu", "OI"},
    {"ai", "AI"}, {"ay", "AI"}, {"ei", "AI"}, {"ey", "AI"},
    {"au", "AU"}, {"ie", "I"},
    {"ae", "E"}, {"oe", "O"}, {"ue", "U"},
    {"tsch", "C"}, {"sch", "X"},
    {"chs", "KS"}, {"ch", "K", Start | NotBeforeFront}, {"ch", "H"},
    {"ck", "K"}, {"cz", "Z"}, {"c", "Z", BeforeFront}, {"c", "K"},
    {"dt", "T"}, {"th", "T"}, {"d", "T", End}, {"ds", "Z", End},
    {"tz", "Z"}, {"ts", "Z"}, {"z", "Z"},
    {"b", "P", End}, {"ig", "IH", End}, {"g", "K", End},
    {"ph", "F"}, {"pf", "F"}, {"v", "F"}, {"w", "V"}, {"qu", "KV"},
    {"x", "KS"}, {"j", "Y"},
    // A stretching h after a vowel is not heard (Lehmann, Kuhn).
    {"h", "", AfterVowel}, {"h", "", NotBeforeVowel},
    {"y", "I"},
};

constexpr LanguageRules kGerman{kRules, static_cast<int>(std::size(kRules)), kFolds,
                                static_cast<int>(std::size(kFolds)), VowelPolicy::KeepAll};

}  // namespace

const LanguageRules &germanRules() { return kGerman; }

}  // namespace veskor::phonetic
