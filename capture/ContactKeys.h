#pragma once
// The three phonetic keys stored with every contact. The duplicate check and
// the tool that builds DemoData.dta both derive them here, so stored keys and
// fresh keys always compare like with like.
#include "engine/Engine.h"

#include <QString>

namespace tarnwick {

struct ContactKeys {
    QString firstName;  // GeneratePHK of the first name normalised with the name group
    QString surname;    // GeneratePHK of the surname as typed
    QString company;    // GeneratePHK of the company name without business words
};

// Each key alone, for code that keys one field of many contacts.
QString firstNameKey(Engine &engine, int lang, const QString &firstName);
QString surnameKey(Engine &engine, int lang, const QString &surname);
QString companyKey(Engine &engine, int lang, const QString &companyName);

ContactKeys deriveContactKeys(Engine &engine, int lang, const QString &firstName, const QString &surname,
                              const QString &companyName);

}  // namespace tarnwick
