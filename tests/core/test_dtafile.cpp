// The .dta line format: line breaks, NUL, scrambling, storability and the
// atomic rewrite.
#include "core/Cp1252.h"
#include "core/DtaFile.h"
#include "core/Failure.h"
#include "core/LineScrambler.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick;

class TestDtaFile : public QObject {
    Q_OBJECT
private slots:
    void splitsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QByteArray>>("lines");
        using L = QList<QByteArray>;
        QTest::newRow("empty") << QByteArray() << L{};
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << L{"a", "b"};
        QTest::newRow("lf") << QByteArray("a\nb\n") << L{"a", "b"};
        QTest::newRow("cr") << QByteArray("a\rb\r") << L{"a", "b"};
        QTest::newRow("last line without break") << QByteArray("a\r\nb") << L{"a", "b"};
        QTest::newRow("empty line between breaks") << QByteArray("a\r\n\r\nb") << L{"a", "", "b"};
        QTest::newRow("lf then cr is two breaks") << QByteArray("a\n\rb") << L{"a", "", "b"};
        QTest::newRow("nul ends the text") << QByteArray("ab\r\ncd\0ef\r\ngh", 14) << L{"ab", "cd"};
        QTest::newRow("nul inside first line") << QByteArray("a\0b", 3) << L{"a"};
    }
    void splitsLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<QByteArray>, lines);
        QCOMPARE(splitDtaLines(bytes), lines);
    }

    void scramblesOnlyLinesOfTwoOrMore()
    {
        QCOMPARE(LineScrambler("1"), QByteArray("1"));
        QCOMPARE(LineScrambler(""), QByteArray(""));
        QCOMPARE(LineScrambler("-1"), QByteArray("\xA0\xBC"));
        QCOMPARE(LineScrambler(LineScrambler("Name")), QByteArray("Name"));
        // No character below 0x80 can scramble into a line break or NUL.
        for (int c = 1; c < 0x80; ++c) {
            const auto s = static_cast<unsigned char>(LineScrambler(QByteArray(2, char(c)))[0]);
            QVERIFY(s != 0 && s != '\n' && s != '\r');
        }
    }

    void refusesWhatCannotBeStored_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("storable");
        QTest::newRow("plain") << QStringLiteral("Müller & Söhne") << true;
        QTest::newRow("euro scrambles into NUL") << QStringLiteral("5 \u20AC") << false;
        QTest::newRow("double dagger scrambles into LF") << QStringLiteral("a\u2021") << false;
        QTest::newRow("0x8D scrambles into CR") << QStringLiteral("a\u008D") << false;
        QTest::newRow("lone euro is stored plain") << QStringLiteral("\u20AC") << true;
        QTest::newRow("outside Windows-1252") << QStringLiteral("Łukasz") << false;
        QTest::newRow("line break in a scrambled line survives") << QStringLiteral("a\nb") << true;
        QTest::newRow("lone line break cannot") << QStringLiteral("\n") << false;
    }
    void refusesWhatCannotBeStored()
    {
        QFETCH(QString, line);
        QFETCH(bool, storable);
        QCOMPARE(canStoreLine(line), storable);
    }

    void roundTripsThroughAFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ScoreDataE.dta"));
        const QStringList lines{QStringLiteral("Élise Dupré"), QStringLiteral("1"), QStringLiteral("0"),
                                QStringLiteral("-1"), QString(), QStringLiteral("Name")};
        writeDtaFile(path, lines);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.contains("\r\n1\r\n0\r\n"));  // flags plain, each line ends CR LF
        QVERIFY(bytes.endsWith("\r\n"));
        QVERIFY(!bytes.contains("Name"));
        QCOMPARE(readDtaFile(path), lines);
    }

    void failedWriteLeavesOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.dta"));
        writeDtaFile(path, {QStringLiteral("old")});
        QVERIFY_THROWS_EXCEPTION(Failure, writeDtaFile(path, {QStringLiteral("price 5 \u20AC")}));
        QCOMPARE(readDtaFile(path), QStringList{QStringLiteral("old")});
        try {
            writeDtaFile(dir.filePath(QStringLiteral("missing/folder/x.dta")), {QStringLiteral("a")});
            QFAIL("no failure");
        } catch (const Failure &f) {
            QVERIFY(f.message().startsWith(QStringLiteral("Cannot create file ")));
        }
    }

    void missingFileIsReported()
    {
        try {
            readDtaFile(QStringLiteral("/nonexistent/ScoreDataE.dta"));
            QFAIL("no failure");
        } catch (const Failure &f) {
            QCOMPARE(f.message(), QStringLiteral("Cannot open file /nonexistent/ScoreDataE.dta"));
        }
    }

    void codecIsLossless()
    {
        QByteArray all;
        for (int b = 1; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(Cp1252::encode(Cp1252::decode(all)), all);
        QCOMPARE(Cp1252::decode("\x80\xE9"), QStringLiteral("\u20AC\u00E9"));
        QCOMPARE(Cp1252::encode(QStringLiteral("a\u0141b")), QByteArray("a?b"));
        char buf[4];
        QCOMPARE(Cp1252::encodeInto(QStringLiteral("abcdef"), buf, 3), 3);
        QCOMPARE(QByteArray(buf), QByteArray("abc"));
    }
};

QTEST_GUILESS_MAIN(TestDtaFile)
#include "test_dtafile.moc"
