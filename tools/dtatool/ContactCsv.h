#pragma once
// The readable form of the contact demo file: a UTF-8 CSV with a header row.
// convertContacts turns it into the 15-line contact records of DemoData.dta,
// keys derived by the engine exactly as the duplicate check derives them.
#include "engine/Engine.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnwick::dtatool {

inline constexpr int kContactLines = 15;

// The twelve typed fields, in record order; header names match them
// case-insensitively.
QStringList contactFieldNames();

struct CsvRow {
    int line = 0;   // the source line the row starts on
    QStringList cells;
    QString error;  // a syntax fault; the row is then unusable
};

// RFC 4180: comma-separated, values with commas, quotes or line breaks in
// double quotes, "" for a quote inside them. A faulty row is returned with
// its error and reading goes on at the next line, so one bad row cannot
// swallow the rest of the file. Blank lines are skipped.
QList<CsvRow> parseCsv(const QString &text);

// 1..5 from "1".."5" or en, fr, de, it, es (any case); 0 for anything else.
int parseLanguage(QStringView text);

struct RejectedRow {
    int line;
    QString reason;
};

struct ContactConversion {
    QStringList lines;  // kContactLines per contact, in file order
    int contacts = 0;
    QList<RejectedRow> rejected;
};

// Converts every row it can; the others are listed with their reason. Throws
// a ToolError when the header row is missing or unusable.
ContactConversion convertContacts(const QString &csv, int keyLanguage, Engine &engine);

}  // namespace tarnwick::dtatool
