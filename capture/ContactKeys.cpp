#include "ContactKeys.h"

namespace tarnwick {

ContactKeys deriveContactKeys(Engine &engine, int lang, const QString &firstName, const QString &surname,
                              const QString &companyName)
{
    const PhkOptions plain;  // all four key options off
    ContactKeys keys;
    keys.firstName = engine.generatePhk(engine.normalise(firstName, lang, ElementGroup::Name), lang, plain);
    keys.surname = engine.generatePhk(surname, lang, plain);
    keys.company = engine.generatePhk(engine.exclude(companyName, lang, ElementGroup::Business), lang, plain);
    return keys;
}

}  // namespace tarnwick
