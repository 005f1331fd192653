#include "ContactListFile.h"

#include "capture/ContactColumns.h"
#include "capture/CsvRows.h"
#include "core/Cp1252.h"
#include "core/Failure.h"
#include "core/ProgramState.h"
#include "i18n/Catalogue.h"

#include <QFile>

#include <algorithm>

namespace tarnwick {
namespace {

enum FileProblem {
    EmptyFile = 170,
    NotCsvText = 171,
    NoHeader = 172,
    TooManyRows = 173,
    TooLarge = 174,
    CannotRead = 175,
};

Failure problem(int key) { return Failure(CatalogueText(CurrentLanguage, key)); }

// Binary files and spreadsheets (a zip, a compound document) carry NUL bytes
// or control characters early; a text export has neither.
bool looksLikeText(QByteArrayView bytes)
{
    const QByteArrayView head = bytes.first(std::min<qsizetype>(bytes.size(), 1024));
    qsizetype controls = 0;
    for (const char c : head) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0)
            return false;
        controls += (b < 0x20 && b != '\t' && b != '\n' && b != '\r') || b == 0x7F;
    }
    return controls * 10 < head.size();
}

QString fromUtf8(QByteArrayView bytes) { return QString::fromUtf8(bytes); }
QString fromCp1252(QByteArrayView bytes) { return Cp1252::decode(bytes); }

// Surplus values that are all empty (a trailing separator) do no harm.
bool ragged(const QStringList &cells, qsizetype columns)
{
    return std::any_of(cells.begin() + std::min(columns, cells.size()), cells.end(),
                       [](const QString &s) { return !s.isEmpty(); });
}

}  // namespace

ContactList parseContactList(QByteArrayView bytes)
{
    ContactList list;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (bytes.trimmed().isEmpty())
        throw problem(EmptyFile);
    if (!looksLikeText(bytes))
        throw problem(NotCsvText);
    // Windows-1252 has a character for nearly every byte, so validity decides.
    const bool utf8 = bytes.isValidUtf8();
    list.encoding = utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252");
    const char delimiter = csv::detectDelimiter(bytes);
    list.delimiter = QChar::fromLatin1(delimiter);

    // At most one row a line: reserving spares the list its growth copies.
    const qsizetype lineCount = std::max(bytes.count('\n'), bytes.count('\r'));
    const qsizetype expected = std::min<qsizetype>(lineCount, kMaxContactListRows);
    list.contacts.reserve(expected);
    list.languages.reserve(expected);
    list.lines.reserve(expected);

    bool haveHeader = false;
    ContactColumns columns;
    qsizetype columnCount = 0;
    int rows = 0;
    bool tooMany = false;
    csv::readRows(bytes, delimiter, utf8 ? fromUtf8 : fromCp1252, [&](csv::Row &&row) {
        if (!haveHeader) {
            // A broken header names nothing; the check below refuses the file.
            haveHeader = true;
            columns = mapContactColumns(row.cells);
            columnCount = row.cells.size();
            return columns.any();
        }
        if (++rows > kMaxContactListRows) {
            tooMany = true;
            return false;
        }
        auto reject = [&](int reason, const QString &detail = {}, int count = 0) {
            list.rejected.append({row.line, reason, detail, count});
            return true;
        };
        if (row.broken)
            return reject(UnbalancedQuotes);
        if (ragged(row.cells, columnCount))
            return reject(RaggedRow, QString::number(row.cells.size()), int(columnCount));
        int language = 0;
        if (columns.language >= 0) {
            const QString value = row.cells.value(columns.language).trimmed();
            language = value.isEmpty() ? 0 : contactLanguageOf(value);
            if (!value.isEmpty() && language == 0)
                return reject(UnknownLanguage, value);
        }
        contact::Fields fields;
        for (int f = 0; f < contact::kFieldCount; ++f)
            if (columns.field[f] >= 0 && columns.field[f] < row.cells.size())
                fields[f] = std::move(row.cells[columns.field[f]]);
        if (fields[1].trimmed().isEmpty() && fields[2].trimmed().isEmpty() && fields[4].trimmed().isEmpty())
            return reject(NoName);
        list.contacts.append(std::move(fields));
        list.languages.append(language);
        list.lines.append(row.line);
        return true;
    });
    if (!haveHeader || !columns.any())
        throw problem(NoHeader);
    if (tooMany)
        throw Failure(CatalogueText(CurrentLanguage, TooManyRows).arg(kMaxContactListRows));
    return list;
}

ContactList readContactList(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(CatalogueText(CurrentLanguage, CannotRead).arg(path));
    if (file.size() > kMaxContactListBytes)
        throw Failure(CatalogueText(CurrentLanguage, TooLarge).arg(kMaxContactListBytes / (1024 * 1024)));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(CatalogueText(CurrentLanguage, CannotRead).arg(path));
    return parseContactList(bytes);
}

QString rejectionText(int language, const ContactListRejection &r)
{
    QString text = CatalogueText(language, r.reason);
    if (r.reason == RaggedRow)
        return text.arg(r.detail).arg(r.columns);
    return text.contains(QStringLiteral("%1")) ? text.arg(r.detail) : text;
}

}  // namespace tarnwick
