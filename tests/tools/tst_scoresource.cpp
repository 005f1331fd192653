// The readable score source: parsing, defaults, quoting, errors with their
// line, and the round trip through the scrambled file.
#include "ScoreSource.h"
#include "ToolError.h"
#include "Utf8Text.h"

#include "core/DtaFile.h"

#include <QFile>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::dtatool;

namespace {

QString fixture(const char *name)
{
    QFile file(QStringLiteral(TOOLS_FIXTURES "/") + QLatin1StringView(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return decodeUtf8(file.readAll());
}

// Several records in the form formatScoreSource writes.
const char *const kCanonical = R"src([record]
item1 = Mr. William Smith Jnr
item2 = " Bill Smyth"
category = Name
method = normalise
elements = name name-prefix name-suffix occupations
custom = exclude
custom1 = "("
custom2 = ")"
custom-options = keep-delimiter
gender = forename-first
phonetic = delete-vowels remove-initials

[record]
item1 = Harrow & Finch Trading Ltd
item2 = Harrow and Finch Trading Limited
category = Business
method = exclude
elements = numbering business
custom = transform
custom1 = " & "
custom2 = " and "
custom-options = distinct-words match-case
case = upper
pattern = company
phonetic = remove-numbers compact

[record]
item1 = ""
item2 = """Flat 3"" A"
category = Address
line19 = "-1"
line20 = "7"
line21 = "x y"
)src";

}  // namespace

class ScoreSourceTest : public QObject {
    Q_OBJECT

private slots:
    void everyFieldLandsOnItsLine()
    {
        const QStringList lines = parseScoreSource(fixture("score_fields.txt"));
        QCOMPARE(lines.size(), 2 * kScoreRecordLines);
        const QStringList expected = {
            "14 North Crescent Road", "  Apt 3 \"B\" ", "Address", "1",  // items, category, method
            "1", "1", "1", "1", "1", "1", "1", "1",                      // eight element options
            "1", " & ", "and",                                          // custom transform and its texts
            "1", "1", "1",                                              // distinct, match case, keep delimiter
            "1", "1",                                                   // lower case
            "1", "3",                                                   // web site pattern
            "1", "2",                                                   // unknown name format
            "1", "1", "1", "1"};                                        // the four phonetic options
        QCOMPARE(lines.mid(0, kScoreRecordLines), expected);
    }

    void fieldsNotGivenTakeClearedValues()
    {
        const QStringList record = parseScoreSource(fixture("score_fields.txt")).mid(kScoreRecordLines);
        QStringList expected(kScoreRecordLines, QStringLiteral("0"));
        expected[0] = QStringLiteral("Harrow # Finch");  // '#' only starts a comment at the start of a line
        expected[1] = QString();
        expected[2] = QStringLiteral("Business");
        expected[13] = expected[14] = QString();
        QCOMPARE(record, expected);
    }

    void errorsNameTheirLine_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("message");
        QTest::newRow("field before any block") << "item1 = A\n" << 1 << "outside a [record]";
        QTest::newRow("unknown block") << "# c\n[recod]\n" << 2 << "unknown block";
        QTest::newRow("no equals sign") << "[record]\ncategory = Name\nitem1 A\n" << 3 << "field = value";
        QTest::newRow("unknown field") << "[record]\ncategory = Name\ncolour = red\n" << 3 << "unknown field 'colour'";
        QTest::newRow("unknown method") << "[record]\nmethod = shorten\n" << 2 << "unknown method 'shorten'";
        QTest::newRow("unknown element") << "[record]\nelements = name, postcode\n" << 2 << "'postcode'";
        QTest::newRow("category in lower case") << "[record]\ncategory = Names\n" << 2 << "unknown category";
        QTest::newRow("unclosed quote") << "[record]\ncategory = Name\ncustom1 = \"( \n" << 3 << "missing closing quote";
        QTest::newRow("text after quote") << "[record]\nitem1 = \"A\" B\n" << 2 << "after the closing quote";
        QTest::newRow("field twice") << "[record]\nitem1 = A\nitem1 = B\n" << 3 << "given twice";
        QTest::newRow("raw line twice") << "[record]\nline7 = \"1\"\nline07 = \"0\"\n" << 3 << "given twice";
        QTest::newRow("raw line out of range") << "[record]\ncategory = Name\nline28 = \"1\"\n" << 3 << "unknown field";
        QTest::newRow("no category") << "\n[record]\nitem1 = A\n[record]\ncategory = Name\n" << 2 << "without a category";
        QTest::newRow("euro sign") << "[record]\ncategory = Name\n\nitem2 = 5 € off\n" << 4 << "U+20AC";
        QTest::newRow("not Windows-1252") << "[record]\ncategory = Name\ncustom2 = Łódź\n" << 3 << "U+0141";
    }

    void errorsNameTheirLine()
    {
        QFETCH(QString, source);
        QFETCH(int, line);
        QFETCH(QString, message);
        try {
            parseScoreSource(source);
            QFAIL("accepted");
        } catch (const ToolError &e) {
            QCOMPARE(e.line(), line);
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
    }

    void invalidUtf8IsRefusedWithItsLine()
    {
        try {
            decodeUtf8(QByteArray("\xEF\xBB\xBF[record]\nitem1 = ok\nitem2 = M\xFCller\n"));
            QFAIL("accepted");
        } catch (const ToolError &e) {
            QCOMPARE(e.line(), 3);
        }
        QCOMPARE(decodeUtf8(QByteArray("\xEF\xBB\xBFM\xC3\xBCller")), QStringLiteral("Müller"));
    }

    void roundTripThroughTheScrambledFile()
    {
        const QString source = QString::fromUtf8(kCanonical);
        const QStringList lines = parseScoreSource(source);
        QCOMPARE(lines.size(), 3 * kScoreRecordLines);

        const QByteArray bytes = encodeDtaLines(lines);
        const QList<QByteArray> stored = splitDtaLines(bytes);
        QCOMPARE(stored.size(), lines.size());
        QCOMPARE(stored[3], QByteArray("4"));   // one-character flags and indexes stay plain
        QCOMPARE(stored[13], QByteArray("("));  // so does a one-character custom text
        QCOMPARE(stored[2 * kScoreRecordLines + 0], QByteArray());
        QCOMPARE(stored[2 * kScoreRecordLines + 19], QByteArray("\xA0\xBC"));  // "-1" scrambled
        QCOMPARE(stored[2], QByteArray("\xC3\xEC\xE0\xE8"));                    // "Name" scrambled

        const QStringList readBack = decodeDtaBytes(bytes);
        QCOMPARE(readBack, lines);
        QCOMPARE(formatScoreSource(readBack), source);
    }

    void anyRecordFormatsToSomethingThatParsesBack()
    {
        // Lines only an editor or a damaged file would hold: the raw fallback keeps them.
        QStringList odd(kScoreRecordLines, QStringLiteral("0"));
        odd[0] = QStringLiteral("\"quoted\" ");
        odd[1] = QStringLiteral("\t");
        odd[2] = QStringLiteral("name");
        odd[3] = QStringLiteral("12");
        odd[4] = QStringLiteral("3");
        odd[12] = QStringLiteral("-1");
        odd[13] = QStringLiteral(" \"");
        odd[18] = QStringLiteral("0");
        odd[19] = QStringLiteral("2");
        odd[27] = QString();
        const QStringList trailing = {QStringLiteral("left over")};
        QCOMPARE(parseScoreSource(formatScoreSource(odd + trailing)), odd);
    }
};

QTEST_APPLESS_MAIN(ScoreSourceTest)
#include "tst_scoresource.moc"
