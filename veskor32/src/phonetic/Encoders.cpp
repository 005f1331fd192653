#include "phonetic/RuleTable.h"

namespace veskor::phonetic {

const LanguageRules &englishRules();
const LanguageRules &frenchRules();
const LanguageRules &germanRules();
const LanguageRules &italianRules();
const LanguageRules &spanishRules();

const Encoder &encoderFor(Lang lang)
{
    // Built once; each encoder indexes its table by first letter at construction.
    static const RuleEncoder encoders[] = {
        RuleEncoder(englishRules()), RuleEncoder(frenchRules()), RuleEncoder(germanRules()),
        RuleEncoder(italianRules()), RuleEncoder(spanishRules()),
    };
    return encoders[langIndex(lang)];
}

}  // namespace veskor::phonetic
