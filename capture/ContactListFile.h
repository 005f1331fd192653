#pragma once
// Contact lists as people export them from spreadsheets and CRMs: CSV in
// UTF-8 (with or without BOM) or Windows-1252, separated by commas,
// semicolons or tabs, with a header row naming the fields in any of the five
// languages. One reader for the program and for dtatool.
#include "capture/ContactRecord.h"

#include <QByteArrayView>
#include <QChar>
#include <QList>
#include <QString>

namespace tarnwick {

// Why a row was left out; the catalogue key of its text.
enum ContactRowReason {
    RaggedRow = 180,        // %1 values, %2 header columns
    NoName = 181,           // no first name, surname or company
    UnknownLanguage = 182,  // %1 the value
    UnbalancedQuotes = 183,
};

struct ContactListRejection {
    int line;        // 1-based physical line where the row starts
    int reason;      // a ContactRowReason
    QString detail;  // %1 of the reason's text
    int columns = 0; // %2: the header's column count (RaggedRow)
};

struct ContactList {
    QList<contact::Fields> contacts;  // usable rows in file order
    QList<int> languages;             // per contact: 1..5 from a Language column, 0 when none given
    QList<int> lines;                 // per contact: the line its row starts on
    QList<ContactListRejection> rejected;
    QString encoding;                 // "UTF-8" or "Windows-1252"
    QChar delimiter;                  // ',', ';' or '\t'
};

// Larger files are refused before they are read: the program holds every
// contact with its keys and the search's pairs in memory.
inline constexpr qint64 kMaxContactListBytes = 64 * 1024 * 1024;
// Rows after the header, kept or rejected, that a list may have.
inline constexpr int kMaxContactListRows = 200000;

// Whole-file problems (not a CSV text, no header naming any contact field,
// more rows than the limit, unreadable or too large) throw a Failure with a
// catalogue text in the current language; nothing is half-loaded.
ContactList readContactList(const QString &path);
ContactList parseContactList(QByteArrayView bytes);

// The reason of a rejected row, in a language (catalogue text with detail filled in).
QString rejectionText(int language, const ContactListRejection &r);

}  // namespace tarnwick
