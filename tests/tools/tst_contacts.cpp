// The contact CSV: RFC 4180 reading, row rejection with its line, and the
// 15-line records with the keys the duplicate check would derive.
#include "ContactCsv.h"
#include "FakeEngine.h"
#include "ToolError.h"
#include "Utf8Text.h"

#include "capture/ContactKeys.h"

#include <QFile>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::dtatool;

Q_DECLARE_METATYPE(QList<QStringList>)

namespace {

QString fixture(const char *name)
{
    QFile file(QStringLiteral(TOOLS_FIXTURES "/") + QLatin1StringView(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return decodeUtf8(file.readAll());
}

QStringList contact(const ContactConversion &c, int k) { return c.lines.mid(k * kContactLines, kContactLines); }

}  // namespace

class ContactsTest : public QObject {
    Q_OBJECT

private slots:
    void csvRows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QStringList>>("cells");  // per good row
        QTest::addColumn<QList<int>>("lines");          // start line of every row
        QTest::addColumn<QList<int>>("badLines");       // rows with a syntax error
        using Rows = QList<QStringList>;
        QTest::newRow("plain, CRLF, empty cells")
            << "a,b,c\r\n1,,3\r\n,\r\n" << Rows{{"a", "b", "c"}, {"1", "", "3"}, {"", ""}} << QList<int>{1, 2, 3}
            << QList<int>{};
        QTest::newRow("quotes keep commas, quotes and spaces")
            << "\"x, y\",\"say \"\"hi\"\"\",\" z \"\n" << Rows{{"x, y", "say \"hi\"", " z "}} << QList<int>{1}
            << QList<int>{};
        QTest::newRow("blank lines skipped, no final break")
            << "a\n\n   \nb" << Rows{{"a"}, {"b"}} << QList<int>{1, 4} << QList<int>{};
        QTest::newRow("line break inside quotes counts lines")
            << "\"one\ntwo\",x\nnext\n" << Rows{{"one\ntwo", "x"}, {"next"}} << QList<int>{1, 3} << QList<int>{};
        QTest::newRow("unclosed quote does not swallow the rest")
            << "ok\n\"broken,row\nafter,1\nlast\n" << Rows{{"ok"}, {"after", "1"}, {"last"}}
            << QList<int>{1, 2, 3, 4} << QList<int>{2};
        QTest::newRow("quote inside an unquoted value; text after a quote")
            << "O\"Hara,1\n\"A\"B,2\nfine\n" << Rows{{"fine"}} << QList<int>{1, 2, 3} << QList<int>{1, 2};
    }

    void csvRows()
    {
        QFETCH(QString, text);
        QFETCH(QList<QStringList>, cells);
        QFETCH(QList<int>, lines);
        QFETCH(QList<int>, badLines);
        const QList<CsvRow> rows = parseCsv(text);
        QList<QStringList> good;
        QList<int> starts, bad;
        for (const CsvRow &row : rows) {
            starts.append(row.line);
            if (row.error.isEmpty())
                good.append(row.cells);
            else
                bad.append(row.line);
        }
        QCOMPARE(good, cells);
        QCOMPARE(starts, lines);
        QCOMPARE(bad, badLines);
    }

    void languageValues()
    {
        QCOMPARE(parseLanguage(u"1"), 1);
        QCOMPARE(parseLanguage(u" DE "), 3);
        QCOMPARE(parseLanguage(u"es"), 5);
        QCOMPARE(parseLanguage(u"6"), 0);
        QCOMPARE(parseLanguage(u"0"), 0);
        QCOMPARE(parseLanguage(u"german"), 0);
        QCOMPARE(parseLanguage(u""), 0);
    }

    void fixtureConvertsAllButTheEuroRow()
    {
        test::MarkingEngine engine;
        const ContactConversion c = convertContacts(fixture("contacts_small.csv"), 4, engine);
        QCOMPARE(c.contacts, 3);
        QCOMPARE(c.lines.size(), 3 * kContactLines);
        QCOMPARE(c.rejected.size(), 1);
        QCOMPARE(c.rejected[0].line, 4);
        QVERIFY2(c.rejected[0].reason.contains(QStringLiteral("U+20AC"))
                     && c.rejected[0].reason.contains(QStringLiteral("CompanyName")),
                 qPrintable(c.rejected[0].reason));

        // Columns in another order and in any case; missing ones empty;
        // every key in the given language, whatever the Language column says.
        const QList<QStringList> expected = {
            {"M.", "Jean-Baptiste", "Lefèvre", "", "Lefèvre & Fils SARL", "", "", "Paris", "", "", "", ""},
            {"Mr", "William", "Smith", "", "Harrow & Finch Trading Ltd", "", "", "London, City", "", "", "", ""},
            {"Herr", "Josef", "Müller", "", "Gebr. Albrecht GmbH", "", "", "Köln", "", "", "", ""},
        };
        for (int k = 0; k < expected.size(); ++k) {
            const QStringList record = contact(c, k);
            QCOMPARE(record.mid(0, 12), expected[k]);
            const ContactKeys keys = deriveContactKeys(engine, 4, record[1], record[2], record[4]);
            QCOMPARE(record.mid(12), (QStringList{keys.firstName, keys.surname, keys.company}));
        }
    }

    void rowsThatCannotBeConverted_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("reason");
        QTest::newRow("character outside Windows-1252") << "Ms,Zofia,Wąs,,en" << "U+0105";
        QTest::newRow("euro sign") << "Mr,Ed,Cole,€ Shop,en" << "cannot be stored";
        QTest::newRow("unquoted comma") << "Mr,Ed,Cole,Cole, Sons and Co,en" << "must be quoted";
        QTest::newRow("too few values") << "Mr,Ed,Cole" << "3 values";
        QTest::newRow("unknown language") << "Mr,Ed,Cole,,gr" << "unknown Language 'gr'";
        QTest::newRow("line break in a value") << "Mr,\"Ed\nward\",Cole,,en" << "line break inside FirstName";
        QTest::newRow("unbalanced quotes") << "Mr,\"Ed,Cole,,en" << "unbalanced quotes";
    }

    void rowsThatCannotBeConverted()
    {
        QFETCH(QString, row);
        QFETCH(QString, reason);
        test::MarkingEngine engine;
        const QString csv = "Title,FirstName,Surname,CompanyName,Language\n" + row + "\nMs,Ann,Lee,,en,\n";
        const ContactConversion c = convertContacts(csv, 1, engine);
        QCOMPARE(c.rejected.size(), 1);
        QCOMPARE(c.rejected[0].line, 2);
        QVERIFY2(c.rejected[0].reason.contains(reason), qPrintable(c.rejected[0].reason));
        // The good row after it survives; a trailing empty value is harmless.
        QCOMPARE(c.contacts, 1);
        QCOMPARE(c.lines[2], QStringLiteral("Lee"));
    }

    void unusableHeaderStopsEverything_data()
    {
        QTest::addColumn<QString>("csv");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty file") << "" << "no header row";
        QTest::newRow("no header names") << "Mr,John,Smith\n" << "names none of the contact fields";
        QTest::newRow("column twice") << "Surname,FirstName,surname\n" << "'surname' appears twice";
        QTest::newRow("broken header") << "\"Surname,FirstName\n" << "unbalanced quotes";
    }

    void unusableHeaderStopsEverything()
    {
        QFETCH(QString, csv);
        QFETCH(QString, message);
        test::MarkingEngine engine;
        try {
            convertContacts(csv, 1, engine);
            QFAIL("accepted");
        } catch (const ToolError &e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
    }
};

QTEST_APPLESS_MAIN(ContactsTest)
#include "tst_contacts.moc"
