// Word wrap of the legal notice.
#include "i18n/Catalogue.h"
#include "i18n/WrapIntoLines.h"

#include <QFontMetrics>
#include <QTextEdit>
#include <QtTest>

using tarnwick::wrapIntoLines;

namespace {

// Every character 6 pixels wide, so limits read as character counts.
int sixPixels(QStringView text) { return int(text.size()) * 6; }

}  // namespace

class TestWrap : public QObject {
    Q_OBJECT

private slots:
    void wraps_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("fits on one line") << "Short notice." << 338 << QStringList{"Short notice."};
        QTest::newRow("empty text") << "" << 338 << QStringList{""};
        QTest::newRow("breaks at the last space before the limit")
            << "aaa bbb ccc" << 30 << QStringList{"aaa", "bbb", "ccc"};
        // Breaking at the space just found keeps the whole word: the line runs
        // over the limit by its last character.
        QTest::newRow("line over the limit by one character") << "aaa bbb ccc" << 36 << QStringList{"aaa bbb", "ccc"};
        QTest::newRow("breaking space at the end leaves an empty last line")
            << "aaa bbb " << 36 << QStringList{"aaa bbb", ""};
        QTest::newRow("trailing space without a break stays") << "aaa " << 36 << QStringList{"aaa "};
        QTest::newRow("word wider than the line is cut at the overflow")
            << "abcdefghij" << 24 << QStringList{"abcd", "efgh", "ij"};
        QTest::newRow("long word after a break does not reuse the old space")
            << "ab cdefghijkl" << 24 << QStringList{"ab", "cdef", "ghij", "kl"};
        QTest::newRow("limit below one character") << "abc" << 3 << QStringList{"a", "b", "c"};
        QTest::newRow("negative limit") << "ab" << -1 << QStringList{"a", "b"};
    }
    void wraps() {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QStringList, lines);
        QCOMPARE(wrapIntoLines(text, limit, sixPixels), lines);
    }

    // The shipped notices break only at single spaces: no character is lost
    // or repeated, and every line but its last character fits.
    void legalNoticesLoseNothing() {
        for (int language = 1; language <= 5; ++language) {
            const QString notice = tarnwick::CatalogueText(language, 1);
            const QStringList lines = wrapIntoLines(notice, 338, sixPixels);
            QVERIFY(lines.size() > 1);
            QCOMPARE(lines.join(QLatin1Char(' ')), notice);
            for (const QString &line : lines)
                QVERIFY2(sixPixels(QStringView(line).chopped(1)) <= 338, qPrintable(line));
        }
    }

    void fillsTheControlAtItsWidthLessTen() {
        QTextEdit control;
        control.resize(348, 82);
        control.setPlainText(QStringLiteral("old text"));
        const QFont font(QStringLiteral("Sans Serif"), 8);
        const QString notice = tarnwick::CatalogueText(1, 1);

        tarnwick::WrapIntoLines(notice, &control, font);

        const QFontMetrics metrics(font);
        const QStringList expected =
            wrapIntoLines(notice, 338, [&metrics](QStringView s) { return metrics.horizontalAdvance(s.toString()); });
        QCOMPARE(control.toPlainText().split(QLatin1Char('\n')), expected);
        QVERIFY(expected.size() > 1);
        QCOMPARE(control.lineWrapMode(), QTextEdit::NoWrap);
    }
};

QTEST_MAIN(TestWrap)
#include "test_wrap.moc"
