#include "ContactKeys.h"

namespace tarnwick {
namespace {
const PhkOptions kPlain;  // all four key options off
}

QString firstNameKey(Engine &engine, int lang, const QString &firstName)
{
    return engine.generatePhk(engine.normalise(firstName, lang, ElementGroup::Name), lang, kPlain);
}

QString surnameKey(Engine &engine, int lang, const QString &surname) { return engine.generatePhk(surname, lang, kPlain); }

QString companyKey(Engine &engine, int lang, const QString &companyName)
{
    return engine.generatePhk(engine.exclude(companyName, lang, ElementGroup::Business), lang, kPlain);
}

ContactKeys deriveContactKeys(Engine &engine, int lang, const QString &firstName, const QString &surname,
                              const QString &companyName)
{
    ContactKeys keys;
    keys.firstName = firstNameKey(engine, lang, firstName);
    keys.surname = surnameKey(engine, lang, surname);
    keys.company = companyKey(engine, lang, companyName);
    return keys;
}

}  // namespace tarnwick
