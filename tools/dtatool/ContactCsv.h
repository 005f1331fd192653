#pragma once
// The contact demo file from a contact list: the rows the shared reader
// (capture/ContactListFile) accepts become the 15-line contact records of
// DemoData.dta, keys derived by the engine exactly as the duplicate check
// derives them.
#include "capture/ContactListFile.h"
#include "engine/Engine.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnwick::dtatool {

inline constexpr int kContactLines = 15;

struct RejectedRow {
    int line;
    QString reason;  // English
};

struct ContactConversion {
    QStringList lines;  // kContactLines per contact, in file order
    int contacts = 0;
    QList<RejectedRow> rejected;  // in line order
};

// Converts every contact the reader accepted and that the data file can
// store; the others are listed with their reason.
ContactConversion convertContacts(const ContactList &list, int keyLanguage, Engine &engine);

}  // namespace tarnwick::dtatool
