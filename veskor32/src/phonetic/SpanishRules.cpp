// Spanish: ll/y, b/v, seseo (z, ce, ci as s), silent h and u (gue, qu),
// j/ge/gi; ñ is written as n often enough that it folds to n.
#include <iterator>

#include "phonetic/RuleTable.h"

namespace veskor::phonetic {

namespace {

// ü is written where the u is heard (Agüero, Argüelles): a mark the silent-u
// rules (gue, gui) do not match.
constexpr Fold kFolds[] = {{0xFC, "U"}, {0xDC, "U"}};

constexpr Rule kRules[] = {
    {"ch", "C"}, {"ll", "Y"}, {"y", "Y", BeforeVowel}, {"y", "I"},
    {"qu", "K"}, {"gu", "G", BeforeFront}, {"g", "J", BeforeFront}, {"j", "J"},
    {"cc", "KS", BeforeFront}, {"c", "S", BeforeFront}, {"c", "K"}, {"k", "K"},
    // An initial x is the old spelling of j (Xavier/Javier, Ximénez/Jiménez).
    {"x", "J", Start}, {"x", "KS"}, {"z", "S"},
    {"v", "B"}, {"w", "U"},
    {"ph", "F"}, {"h", ""},
};

constexpr LanguageRules kSpanish{kRules, static_cast<int>(std::size(kRules)), kFolds,
                                 static_cast<int>(std::size(kFolds)), VowelPolicy::KeepAll};

}  // namespace

const LanguageRules &spanishRules() { return kSpanish; }

}  // namespace veskor::phonetic
