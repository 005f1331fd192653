#include "ContactCsv.h"

#include "ToolError.h"
#include "Utf8Text.h"

#include "capture/ContactKeys.h"
#include "core/Cp1252.h"
#include "core/DtaFile.h"
#include "core/LineScrambler.h"

#include <array>

namespace tarnwick::dtatool {
namespace {

constexpr int kFieldCount = 12;
constexpr std::array<const char *, kFieldCount> kFieldNames = {
    "Title",    "FirstName", "Surname", "Position",   "CompanyName", "Address1",
    "Address2", "Town",      "County",  "PostCode", "TelephoneNo", "EMailAddress"};
constexpr int kFirstName = 1;
constexpr int kSurname = 2;
constexpr int kCompanyName = 4;

// Reads one row starting at pos; on return pos is past its line break.
CsvRow readRow(const QString &text, qsizetype &pos, int &line)
{
    CsvRow row;
    row.line = line;
    const qsizetype n = text.size();
    while (true) {
        QString cell;
        if (pos < n && text[pos] == u'"') {
            ++pos;
            while (true) {
                if (pos >= n) {
                    row.error = QStringLiteral("unbalanced quotes: a quoted value is never closed");
                    return row;
                }
                const QChar c = text[pos++];
                if (c == u'"') {
                    if (pos < n && text[pos] == u'"') {
                        cell += u'"';
                        ++pos;
                        continue;
                    }
                    break;
                }
                if (c == u'\n')
                    ++line;
                cell += c;
            }
            if (pos < n && text[pos] != u',' && text[pos] != u'\n') {
                row.error = QStringLiteral("unbalanced quotes: text after a closing quote");
                return row;
            }
        } else {
            while (pos < n && text[pos] != u',' && text[pos] != u'\n') {
                if (text[pos] == u'"') {
                    row.error = QStringLiteral("unbalanced quotes: a quote inside an unquoted value");
                    return row;
                }
                cell += text[pos++];
            }
        }
        row.cells.append(cell);
        if (pos >= n)
            return row;
        if (text[pos++] == u'\n') {
            ++line;
            return row;
        }
    }
}

QString checkField(const QString &value, const char *fieldName)
{
    if (value.contains(u'\n'))
        return QStringLiteral("line break inside %1 (a contact field is one line)").arg(QLatin1StringView(fieldName));
    const qsizetype bad = firstUnstorableChar(value);
    if (bad < 0)
        return {};
    const QString what = describeChar(value[bad]);
    if (Cp1252::byteOf(value[bad]) < 0)
        return QStringLiteral("%1 in %2 is not a Windows-1252 character").arg(what, QLatin1StringView(fieldName));
    return QStringLiteral("%1 in %2 cannot be stored in the scrambled data file").arg(what, QLatin1StringView(fieldName));
}

struct Columns {
    std::array<int, kFieldCount> field;  // cell index of each field, -1 when missing
    int language = -1;
    qsizetype count = 0;
};

Columns readHeader(const CsvRow &header)
{
    if (!header.error.isEmpty())
        throw ToolError(QStringLiteral("header row: %1").arg(header.error), header.line);
    Columns columns;
    columns.field.fill(-1);
    columns.count = header.cells.size();
    bool anyField = false;
    for (int i = 0; i < header.cells.size(); ++i) {
        const QString name = header.cells[i].trimmed();
        int *slot = nullptr;
        for (int f = 0; f < kFieldCount; ++f)
            if (name.compare(QLatin1StringView(kFieldNames[f]), Qt::CaseInsensitive) == 0)
                slot = &columns.field[f];
        if (!slot && name.compare(QStringLiteral("Language"), Qt::CaseInsensitive) == 0)
            slot = &columns.language;
        if (!slot)
            continue;  // extra columns are allowed and ignored
        if (*slot >= 0)
            throw ToolError(QStringLiteral("header row: column '%1' appears twice").arg(name), header.line);
        *slot = i;
        anyField = anyField || slot != &columns.language;
    }
    if (!anyField)
        throw ToolError(QStringLiteral("header row names none of the contact fields (%1)")
                            .arg(contactFieldNames().join(QStringLiteral(", "))),
                        header.line);
    return columns;
}

// The reason the row cannot be converted, or an empty text.
QString checkCellCount(const CsvRow &row, qsizetype expected)
{
    const qsizetype count = row.cells.size();
    bool surplusEmpty = true;
    for (qsizetype i = expected; i < count; ++i)
        surplusEmpty = surplusEmpty && row.cells[i].isEmpty();
    if (count < expected)
        return QStringLiteral("%1 values where the header has %2 columns").arg(count).arg(expected);
    if (!surplusEmpty)
        return QStringLiteral("%1 values where the header has %2 columns (a comma inside a value must be quoted)")
            .arg(count)
            .arg(expected);
    return {};
}

}  // namespace

QStringList contactFieldNames()
{
    QStringList names;
    for (const char *name : kFieldNames)
        names.append(QLatin1StringView(name));
    return names;
}

QList<CsvRow> parseCsv(const QString &input)
{
    QString text = input;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QList<CsvRow> rows;
    qsizetype pos = 0;
    int line = 1;
    while (pos < text.size()) {
        if (text[pos] == u'\n') {
            ++pos;
            ++line;
            continue;
        }
        const qsizetype start = pos;
        CsvRow row = readRow(text, pos, line);
        if (!row.error.isEmpty()) {
            // Resume on the line after the row's first line.
            const qsizetype next = text.indexOf(u'\n', start);
            pos = next < 0 ? text.size() : next + 1;
            line = row.line + 1;
        } else if (row.cells.size() == 1 && row.cells.first().trimmed().isEmpty()) {
            continue;
        }
        rows.append(row);
    }
    return rows;
}

int parseLanguage(QStringView text)
{
    static constexpr std::array<const char *, 5> kCodes = {"en", "fr", "de", "it", "es"};
    const QStringView t = text.trimmed();
    for (int i = 0; i < 5; ++i)
        if (t == QString::number(i + 1) || t.compare(QLatin1StringView(kCodes[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}

ContactConversion convertContacts(const QString &csv, int keyLanguage, Engine &engine)
{
    const QList<CsvRow> rows = parseCsv(csv);
    if (rows.isEmpty())
        throw ToolError(QStringLiteral("no header row"));
    const Columns columns = readHeader(rows.first());

    ContactConversion result;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const CsvRow &row = rows[r];
        auto reject = [&](const QString &reason) { result.rejected.append({row.line, reason}); };
        if (!row.error.isEmpty()) {
            reject(row.error);
            continue;
        }
        if (const QString reason = checkCellCount(row, columns.count); !reason.isEmpty()) {
            reject(reason);
            continue;
        }
        // The column is still checked, but every key is made by the rules of one
        // language: the program compares all contacts with the engine language's rules.
        if (columns.language >= 0 && !row.cells[columns.language].trimmed().isEmpty()
            && parseLanguage(row.cells[columns.language]) == 0) {
            reject(QStringLiteral("unknown Language '%1' (1-5 or en, fr, de, it, es)").arg(row.cells[columns.language]));
            continue;
        }
        QStringList contact;
        QString reason;
        for (int f = 0; f < kFieldCount && reason.isEmpty(); ++f) {
            contact.append(columns.field[f] >= 0 ? row.cells[columns.field[f]] : QString());
            reason = checkField(contact.last(), kFieldNames[f]);
        }
        if (!reason.isEmpty()) {
            reject(reason);
            continue;
        }
        const ContactKeys keys =
            deriveContactKeys(engine, keyLanguage, contact[kFirstName], contact[kSurname], contact[kCompanyName]);
        contact << keys.firstName << keys.surname << keys.company;
        if (const qsizetype bad = firstUnstorableLine(contact); bad >= 0) {
            reject(QStringLiteral("the engine's key '%1' cannot be stored").arg(contact[bad]));
            continue;
        }
        result.lines.append(contact);
        ++result.contacts;
    }
    return result;
}

}  // namespace tarnwick::dtatool
