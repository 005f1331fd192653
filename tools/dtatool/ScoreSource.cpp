#include "ScoreSource.h"

#include "ToolError.h"
#include "Utf8Text.h"

#include "core/LineScrambler.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <span>

namespace tarnwick::dtatool {
namespace {

// A named value of a field that sets one or two record lines.
struct Choice {
    const char *name;
    const char *first;
    const char *second = nullptr;
};

// A named on/off option held in one flag line.
struct Flag {
    const char *name;
    int line;
};

constexpr Choice kCategories[] = {{"Name", "Name"}, {"Business", "Business"}, {"Address", "Address"}};
constexpr Choice kMethods[] = {
    {"none", "0"}, {"abbreviate", "1"}, {"elaborate", "2"}, {"exclude", "3"}, {"normalise", "4"}};
constexpr Choice kCustomModes[] = {{"exclude", "0"}, {"transform", "1"}};
constexpr Choice kCases[] = {{"off", "0", "0"}, {"mixed", "1", "0"}, {"lower", "1", "1"}, {"upper", "1", "2"}};
constexpr Choice kPatterns[] = {
    {"off", "0", "0"}, {"company", "1", "0"}, {"contact", "1", "1"}, {"email", "1", "2"}, {"website", "1", "3"}};
constexpr Choice kGenders[] = {
    {"off", "0", "0"}, {"forename-first", "1", "0"}, {"forename-last", "1", "1"}, {"unknown-format", "1", "2"}};

constexpr Flag kElements[] = {{"name", 4},     {"name-prefix", 5}, {"name-suffix", 6},     {"occupations", 7},
                              {"numbering", 8}, {"business", 9},   {"postal-elements", 10}, {"countries", 11}};
constexpr Flag kCustomOptions[] = {{"distinct-words", 15}, {"match-case", 16}, {"keep-delimiter", 17}};
constexpr Flag kPhonetic[] = {{"delete-vowels", 24}, {"remove-initials", 25}, {"remove-numbers", 26}, {"compact", 27}};

enum class Kind { Text, Choice, Flags };

struct Field {
    const char *key;
    Kind kind;
    int line = -1;         // Text and Choice: the (first) line set
    int secondLine = -1;   // Choice: the index line of a flag + index pair
    std::span<const Choice> choices = {};
    std::span<const Flag> flags = {};
};

// In the order formatScoreSource writes them.
constexpr Field kFields[] = {
    {"item1", Kind::Text, 0},
    {"item2", Kind::Text, 1},
    {"category", Kind::Choice, 2, -1, kCategories},
    {"method", Kind::Choice, 3, -1, kMethods},
    {"elements", Kind::Flags, -1, -1, {}, kElements},
    {"custom", Kind::Choice, 12, -1, kCustomModes},
    {"custom1", Kind::Text, 13},
    {"custom2", Kind::Text, 14},
    {"custom-options", Kind::Flags, -1, -1, {}, kCustomOptions},
    {"case", Kind::Choice, 18, 19, kCases},
    {"pattern", Kind::Choice, 20, 21, kPatterns},
    {"gender", Kind::Choice, 22, 23, kGenders},
    {"phonetic", Kind::Flags, -1, -1, {}, kPhonetic},
};

QStringList clearedRecord()
{
    QStringList lines(kScoreRecordLines, QStringLiteral("0"));
    for (int textLine : {0, 1, 13, 14})
        lines[textLine].clear();
    return lines;
}

void applyChoice(QStringList &record, const Field &f, const Choice &c)
{
    record[f.line] = QLatin1StringView(c.first);
    if (f.secondLine >= 0)
        record[f.secondLine] = QLatin1StringView(c.second);
}

bool choiceMatches(const QStringList &record, const Field &f, const Choice &c)
{
    return record[f.line] == QLatin1StringView(c.first)
           && (f.secondLine < 0 || record[f.secondLine] == QLatin1StringView(c.second));
}

QString choiceNames(const Field &f)
{
    QStringList names;
    for (const Choice &c : f.choices)
        names.append(QLatin1StringView(c.name));
    return names.join(QStringLiteral(", "));
}

QString flagNames(const Field &f)
{
    QStringList names;
    for (const Flag &flag : f.flags)
        names.append(QLatin1StringView(flag.name));
    return names.join(QStringLiteral(", "));
}

void checkStorable(const QString &text, int sourceLine)
{
    const qsizetype bad = firstUnstorableChar(text);
    if (bad >= 0)
        throw ToolError(QStringLiteral("%1 cannot be stored in a score data file").arg(describeChar(text[bad])),
                        sourceLine);
}

// A value as written after '=': a quoted text keeps its spaces, "" stands
// for one quote; anything else is taken trimmed, as it stands.
QString parseValue(QStringView value, int sourceLine)
{
    if (!value.startsWith(u'"'))
        return value.toString();
    QString text;
    for (qsizetype i = 1; i < value.size(); ++i) {
        if (value[i] != u'"') {
            text += value[i];
        } else if (i + 1 < value.size() && value[i + 1] == u'"') {
            text += u'"';
            ++i;
        } else {
            if (i + 1 < value.size())
                throw ToolError(QStringLiteral("text after the closing quote"), sourceLine);
            return text;
        }
    }
    throw ToolError(QStringLiteral("missing closing quote"), sourceLine);
}

QString quoted(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

QString plainOrQuoted(const QString &text)
{
    const bool needsQuotes = text.isEmpty() || text != text.trimmed() || text.startsWith(u'"');
    return needsQuotes ? quoted(text) : text;
}

class RecordBuilder {
public:
    explicit RecordBuilder(int headerLine) : m_headerLine(headerLine), m_lines(clearedRecord()) {}

    void set(const QString &key, const QString &value, int sourceLine)
    {
        const int rawLine = rawLineNumber(key);
        const QString name = rawLine >= 0 ? QStringLiteral("line%1").arg(rawLine) : key;
        if (m_seen.contains(name))
            throw ToolError(QStringLiteral("field '%1' given twice in one record").arg(name), sourceLine);
        m_seen.append(name);
        if (rawLine >= 0) {
            checkStorable(value, sourceLine);
            m_raw.append({rawLine, value});
            return;
        }
        for (const Field &f : kFields)
            if (key == QLatin1StringView(f.key))
                return setField(f, value, sourceLine);
        throw ToolError(QStringLiteral("unknown field '%1'").arg(key), sourceLine);
    }

    QStringList finish()
    {
        const bool rawCategory = std::any_of(m_raw.cbegin(), m_raw.cend(), [](const auto &r) { return r.first == 2; });
        if (!m_seen.contains(QStringLiteral("category")) && !rawCategory)
            throw ToolError(QStringLiteral("record without a category (Name, Business or Address)"), m_headerLine);
        for (const auto &[line, text] : m_raw)
            m_lines[line] = text;
        return m_lines;
    }

private:
    // "line7" -> 7; -1 when the key is no raw line.
    static int rawLineNumber(const QString &key)
    {
        static const QRegularExpression pattern(QStringLiteral("^line([0-9]{1,2})$"));
        const QRegularExpressionMatch m = pattern.match(key);
        if (!m.hasMatch())
            return -1;
        const int line = m.captured(1).toInt();
        return line < kScoreRecordLines ? line : -1;
    }

    void setField(const Field &f, const QString &value, int sourceLine)
    {
        switch (f.kind) {
        case Kind::Text:
            checkStorable(value, sourceLine);
            m_lines[f.line] = value;
            return;
        case Kind::Choice:
            for (const Choice &c : f.choices)
                if (value.compare(QLatin1StringView(c.name), Qt::CaseInsensitive) == 0)
                    return applyChoice(m_lines, f, c);
            throw ToolError(QStringLiteral("unknown %1 '%2' (one of: %3)").arg(QLatin1StringView(f.key), value,
                                                                               choiceNames(f)),
                            sourceLine);
        case Kind::Flags: {
            static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
            const QStringList names = value.split(separators, Qt::SkipEmptyParts);
            if (names.size() == 1 && names.first().compare(QStringLiteral("none"), Qt::CaseInsensitive) == 0)
                return;
            for (const QString &name : names) {
                const auto known = std::find_if(f.flags.begin(), f.flags.end(), [&](const Flag &flag) {
                    return name.compare(QLatin1StringView(flag.name), Qt::CaseInsensitive) == 0;
                });
                if (known == f.flags.end())
                    throw ToolError(QStringLiteral("unknown %1 option '%2' (any of: %3)")
                                        .arg(QLatin1StringView(f.key), name, flagNames(f)),
                                    sourceLine);
                m_lines[known->line] = QStringLiteral("1");
            }
            return;
        }
        }
    }

    int m_headerLine;
    QStringList m_lines;
    QStringList m_seen;
    QList<std::pair<int, QString>> m_raw;
};

// The named fields that describe a record, and the record those fields alone
// would give; lines where the two differ are written raw.
QString formatRecord(const QStringList &record)
{
    QStringList out{QStringLiteral("[record]")};
    QStringList rebuilt = clearedRecord();
    auto addField = [&](const Field &f, const QString &value) {
        out.append(QStringLiteral("%1 = %2").arg(QLatin1StringView(f.key), value));
    };
    const bool hasCustomText = !record[13].isEmpty() || !record[14].isEmpty();
    for (const Field &f : kFields) {
        switch (f.kind) {
        case Kind::Text: {
            const QString &text = record[f.line];
            rebuilt[f.line] = text;
            const bool isItem = f.line <= 1;
            if (isItem)
                addField(f, plainOrQuoted(text));
            else if (!text.isEmpty())
                addField(f, quoted(text));
            break;
        }
        case Kind::Choice: {
            const auto match = std::find_if(f.choices.begin(), f.choices.end(),
                                            [&](const Choice &c) { return choiceMatches(record, f, c); });
            if (match == f.choices.end())
                break;
            applyChoice(rebuilt, f, *match);
            const bool isDefault = match == f.choices.begin() && f.line != 2;
            const bool customShown = f.line == 12 && hasCustomText;
            if (!isDefault || customShown)
                addField(f, QLatin1StringView(match->name));
            break;
        }
        case Kind::Flags: {
            QStringList names;
            for (const Flag &flag : f.flags) {
                if (record[flag.line] == u'1') {
                    names.append(QLatin1StringView(flag.name));
                    rebuilt[flag.line] = QStringLiteral("1");
                }
            }
            if (!names.isEmpty())
                addField(f, names.join(u' '));
            break;
        }
        }
    }
    for (int line = 0; line < kScoreRecordLines; ++line)
        if (rebuilt[line] != record[line])
            out.append(QStringLiteral("line%1 = %2").arg(line).arg(quoted(record[line])));
    return out.join(u'\n') + u'\n';
}

}  // namespace

QStringList parseScoreSource(const QString &source)
{
    QStringList result;
    std::optional<RecordBuilder> record;
    const QStringList lines = source.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int sourceLine = int(i + 1);
        const QString text = lines[i].trimmed();
        if (text.isEmpty() || text.startsWith(u'#'))
            continue;
        if (text.startsWith(u'[')) {
            if (text.compare(QStringLiteral("[record]"), Qt::CaseInsensitive) != 0)
                throw ToolError(QStringLiteral("unknown block '%1' (blocks start with [record])").arg(text),
                                sourceLine);
            if (record)
                result.append(record->finish());
            record.emplace(sourceLine);
            continue;
        }
        if (!record)
            throw ToolError(QStringLiteral("field outside a [record] block"), sourceLine);
        const qsizetype eq = text.indexOf(u'=');
        if (eq <= 0)
            throw ToolError(QStringLiteral("expected 'field = value'"), sourceLine);
        const QString key = text.first(eq).trimmed().toLower();
        record->set(key, parseValue(QStringView(text).sliced(eq + 1).trimmed(), sourceLine), sourceLine);
    }
    if (record)
        result.append(record->finish());
    return result;
}

QString formatScoreSource(const QStringList &lines)
{
    QStringList blocks;
    for (qsizetype first = 0; first + kScoreRecordLines <= lines.size(); first += kScoreRecordLines)
        blocks.append(formatRecord(lines.mid(first, kScoreRecordLines)));
    return blocks.join(u'\n');
}

}  // namespace tarnwick::dtatool
