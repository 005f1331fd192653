// The data shipped with the program: every source converts cleanly, and the
// contact keys are the real engine's, derived as the duplicate check does.
#include "ContactCsv.h"
#include "ScoreSource.h"
#include "Utf8Text.h"

#include "capture/ContactKeys.h"
#include "engine/VeskorEngine.h"

#include <QFile>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::dtatool;

namespace {

QString source(const QString &name)
{
    QFile file(QStringLiteral(TARNWICK_DATA_SOURCES "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing data source %s", qPrintable(name));
    return decodeUtf8(file.readAll());
}

}  // namespace

class DataSourcesTest : public QObject {
    Q_OBJECT

private slots:
    void scoreSources_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *code : {"en", "fr", "de", "it", "es"})
            QTest::newRow(code) << QStringLiteral("score_%1.txt").arg(QLatin1StringView(code));
    }

    void scoreSources()
    {
        QFETCH(QString, file);
        const QStringList lines = parseScoreSource(source(file));
        const qsizetype records = lines.size() / kScoreRecordLines;
        QVERIFY2(records >= 15 && records <= 30, qPrintable(QString::number(records)));
        QMap<QString, int> perCategory;
        for (qsizetype r = 0; r < records; ++r) {
            ++perCategory[lines[r * kScoreRecordLines + 2]];
            QVERIFY(!lines[r * kScoreRecordLines].isEmpty() && !lines[r * kScoreRecordLines + 1].isEmpty());
        }
        QCOMPARE(perCategory.keys(), (QStringList{"Address", "Business", "Name"}));
        for (int count : perCategory)
            QVERIFY2(count * 5 >= records, "each category should hold about a third of the pairs");
        // The program shows the file back through this reader; it must agree.
        QCOMPARE(parseScoreSource(formatScoreSource(lines)), lines);
    }

    void contactsConvertWithTheRealEngine()
    {
        VeskorEngine engine;
        const ContactList list = readContactList(QStringLiteral(TARNWICK_DATA_SOURCES "/contacts.csv"));
        const ContactConversion c = convertContacts(list, 1, engine);
        for (const RejectedRow &row : c.rejected)
            qWarning("line %d: %s", row.line, qPrintable(row.reason));
        QVERIFY(c.rejected.isEmpty());
        QVERIFY2(c.contacts >= 20 && c.contacts <= 40, qPrintable(QString::number(c.contacts)));

        // Keys as the duplicate check derives them, all by English rules (the
        // language the program starts in), whatever the row's Language says.
        QCOMPARE(c.contacts, list.contacts.size());
        QSet<int> languages;
        for (int k = 0; k < c.contacts; ++k) {
            languages.insert(list.languages[k]);
            const QStringList record = c.lines.mid(k * kContactLines, kContactLines);
            const ContactKeys keys = deriveContactKeys(engine, 1, record[1], record[2], record[4]);
            QCOMPARE(record.mid(12), (QStringList{keys.firstName, keys.surname, keys.company}));
            QVERIFY2(!keys.surname.isEmpty(), qPrintable(record[2]));
        }
        QCOMPARE(languages, (QSet<int>{1, 2, 3, 4, 5}));
        engine.finish();
    }
};

QTEST_APPLESS_MAIN(DataSourcesTest)
#include "tst_datasources.moc"
