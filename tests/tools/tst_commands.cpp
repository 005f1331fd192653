// The dtatool commands end to end on files: what they write, what they
// refuse to write, what they print and their exit codes.
#include "Commands.h"
#include "FakeEngine.h"

#include "core/DtaFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::dtatool;

namespace {

struct Run {
    int code;
    QString out;
    QString err;
};

Run run(const QStringList &args)
{
    test::MarkingEngine engine;
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = runDtaTool(args, outStream, errStream, engine);
    return {code, out, err};
}

QByteArray bytesOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeText(const QString &fileName, const QByteArray &utf8)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(utf8);
}

const QString kFixtures = QStringLiteral(TOOLS_FIXTURES);

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void scoreDecodeScoreScoreGivesTheSameBytes()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath("first.dta"), text = dir.filePath("back.txt"),
                      second = dir.filePath("second.dta");
        QCOMPARE(run({"score", kFixtures + "/score_fields.txt", first}).code, 0);
        const Run decoded = run({"decode-score", first});
        QCOMPARE(decoded.code, 0);
        writeText(text, decoded.out.toUtf8());
        QCOMPARE(run({"score", text, second}).code, 0);
        QCOMPARE(bytesOf(second), bytesOf(first));
        QVERIFY(bytesOf(first).endsWith("\r\n"));

        const Run plain = run({"decode", first});
        QCOMPARE(plain.out.split(u'\n').size(), 2 * 28 + 1);
        QVERIFY(plain.out.startsWith(QStringLiteral("14 North Crescent Road\n  Apt 3 \"B\" \nAddress\n1\n")));
    }

    void contactsWritesTheGoodRowsAndReportsTheBadOne()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("DemoData.dta");
        const Run r = run({"contacts", kFixtures + "/contacts_small.csv", target, "--lang", "en"});
        QCOMPARE(r.code, 1);  // a rejected row is a failure even though the rest was written
        QVERIFY2(r.err.contains(QStringLiteral("contacts_small.csv: line 4: row rejected:")), qPrintable(r.err));
        QCOMPARE(readDtaFile(target).size(), 3 * 15);
    }

    // The program's reader: a Windows-1252 export with semicolons and French
    // names converts, and a row the reader rejects is reported in English.
    void contactsReadsSpreadsheetExports()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath("export.csv"), target = dir.filePath("DemoData.dta");
        writeText(source, "Civilit\xE9;Pr\xE9nom;Nom;Soci\xE9t\xE9;Langue\r\n"
                          "M.;Fran\xE7ois;L\xE9vy;\"Caf\xE9; Bar\";fran\xE7" "ais\r\n"
                          "Mme;Anne;Roy;;grec\r\n");
        const Run r = run({"contacts", source, target});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(QStringLiteral("export.csv: line 3: row rejected: unknown Language 'grec'")),
                 qPrintable(r.err));
        const QStringList lines = readDtaFile(target);
        QCOMPARE(lines.size(), 15);
        QCOMPARE(lines.mid(0, 5), (QStringList{"M.", "François", "Lévy", "", "Café; Bar"}));
    }

    void contactsWritesNothingWhenNothingOrNotAllCanBeConverted()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath("bad.csv"), target = dir.filePath("DemoData.dta");
        writeText(target, "previous\r\n");
        writeText(source, "FirstName,Surname\nAnna,5 \xE2\x82\xAC\nBen,\"Unclosed\n");
        Run r = run({"contacts", source, target});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains(QStringLiteral("line 2:")) && r.err.contains(QStringLiteral("line 3:")));
        QVERIFY2(r.err.contains(QStringLiteral("nothing written")), qPrintable(r.err));
        QCOMPARE(bytesOf(target), QByteArray("previous\r\n"));

        r = run({"contacts", kFixtures + "/contacts_small.csv", target, "--strict"});
        QCOMPARE(r.code, 1);
        QCOMPARE(bytesOf(target), QByteArray("previous\r\n"));
    }

    void errorsAreReportedWithANonZeroCode_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QString missing = QStringLiteral("/nonexistent/none.txt");
        QTest::newRow("no command") << QStringList{} << 2 << "usage:";
        QTest::newRow("unknown command") << QStringList{"encode", "a", "b"} << 2 << "usage:";
        QTest::newRow("missing score source") << QStringList{"score", missing, "x.dta"} << 1 << "cannot open file";
        QTest::newRow("missing csv") << QStringList{"contacts", missing, "x.dta"} << 1 << "Cannot open file";
        QTest::newRow("missing dta") << QStringList{"decode", missing} << 1 << "Cannot open file";
        QTest::newRow("bad language") << QStringList{"contacts", kFixtures + "/contacts_small.csv", "x.dta", "--lang", "7"}
                                      << 2 << "unknown --lang value '7'";
        QTest::newRow("language without value")
            << QStringList{"contacts", kFixtures + "/contacts_small.csv", "x.dta", "--lang"} << 2 << "needs a value";
        QTest::newRow("unknown option") << QStringList{"contacts", kFixtures + "/contacts_small.csv", "x.dta", "-v"}
                                        << 2 << "unknown option '-v'";
        QTest::newRow("score source syntax")
            << QStringList{"score", kFixtures + "/contacts_small.csv", "x.dta"} << 1 << "contacts_small.csv: line 1:";
    }

    void errorsAreReportedWithANonZeroCode()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        QTemporaryDir dir;
        if (args.size() > 2 && args[2] == QStringLiteral("x.dta"))
            args[2] = dir.filePath("x.dta");
        const Run r = run(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFile::exists(dir.filePath("x.dta")));
    }

    void decodeScoreWarnsAboutAnIncompleteRecord()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("short.dta");
        QStringList lines(30, QStringLiteral("0"));
        lines[2] = QStringLiteral("Name");
        writeDtaFile(file, lines);
        const Run r = run({"decode-score", file});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.startsWith(QStringLiteral("[record]\n")));
        QVERIFY2(r.err.contains(QStringLiteral("last 2 lines")), qPrintable(r.err));
    }
};

QTEST_APPLESS_MAIN(CommandsTest)
#include "tst_commands.moc"
