// dtatool's side of a contact list: the reader's rejections in English, the
// rows the data file cannot store, and the 15-line records with the keys the
// duplicate check would derive.
#include "ContactCsv.h"
#include "FakeEngine.h"

#include "capture/ContactKeys.h"
#include "core/Failure.h"

#include <QFile>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::dtatool;

Q_DECLARE_METATYPE(QList<QStringList>)

namespace {

ContactList fixture(const char *name)
{
    return readContactList(QStringLiteral(TOOLS_FIXTURES "/") + QLatin1StringView(name));
}

ContactConversion convert(const QString &csv, int keyLanguage, Engine &engine)
{
    return convertContacts(parseContactList(csv.toUtf8()), keyLanguage, engine);
}

QStringList record(const ContactConversion &c, int k) { return c.lines.mid(k * kContactLines, kContactLines); }

}  // namespace

class ContactsTest : public QObject {
    Q_OBJECT

private slots:
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
            const QStringList fields = record(c, k);
            QCOMPARE(fields.mid(0, 12), expected[k]);
            const ContactKeys keys = deriveContactKeys(engine, 4, fields[1], fields[2], fields[4]);
            QCOMPARE(fields.mid(12), (QStringList{keys.firstName, keys.surname, keys.company}));
        }
    }

    void rowsThatCannotBeConverted_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("reason");
        QTest::newRow("character outside Windows-1252") << "Ms,Zofia,Wąs,,en" << "U+0105";
        QTest::newRow("euro sign") << "Mr,Ed,Cole,€ Shop,en" << "cannot be stored";
        QTest::newRow("unquoted comma") << "Mr,Ed,Cole,Cole, Sons and Co,en" << "must be quoted";
        QTest::newRow("no name at all") << "Dr,,,,en" << "no first name, surname or company";
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
        const ContactConversion c = convert(csv, 1, engine);
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
        QTest::newRow("empty file") << "" << "The file is empty";
        QTest::newRow("no header names") << "Mr,John,Smith\n" << "names none of the contact fields";
        QTest::newRow("broken header") << "\"Surname,FirstName\nMr,John\n" << "names none of the contact fields";
    }

    void unusableHeaderStopsEverything()
    {
        QFETCH(QString, csv);
        QFETCH(QString, message);
        test::MarkingEngine engine;
        try {
            convert(csv, 1, engine);
            QFAIL("accepted");
        } catch (const Failure &e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
    }
};

QTEST_APPLESS_MAIN(ContactsTest)
#include "tst_contacts.moc"
