// About texts: the line markup turned into formats, and the shape of the five
// texts shipped with the program.
#include "i18n/AboutText.h"
#include "core/Cp1252.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

using tarnwick::FormatAboutText;
using tarnwick::loadAboutText;

namespace {

enum Kind { Title, Heading, Contact, Body };

struct Expected {
    QString text;
    Kind kind;
};

QColor colourOf(Kind kind) {
    switch (kind) {
    case Title: return QColor(255, 0, 0);
    case Heading: return QColor(0, 0, 255);
    case Contact: return QColor(0, 128, 0);
    case Body: return QColor(0, 0, 0);
    }
    return {};
}

// The format a paragraph shows: its first fragment's, or for an empty
// paragraph the format its (empty) line was given.
QTextCharFormat formatOf(const QTextBlock &block) {
    return block.begin().atEnd() ? block.charFormat() : block.begin().fragment().charFormat();
}

QStringList paragraphs(const QTextEdit &control) {
    QStringList result;
    for (QTextBlock block = control.document()->begin(); block.isValid(); block = block.next())
        result << block.text();
    return result;
}

}  // namespace

class TestAboutFormat : public QObject {
    Q_OBJECT

private slots:
    void markupBecomesFormat() {
        const QStringList source = {
            QStringLiteral("#Title line"),
            QString(),
            QStringLiteral("?¿Por qué utilizar Tarnwick?"),
            QStringLiteral("Body text with a # and a ? and a ! inside"),
            QStringLiteral(" "),
            QStringLiteral("!Contact line"),
            QStringLiteral("#"),
            QStringLiteral("?"),
            QStringLiteral("!"),
            QStringLiteral("<b>not markup</b> &amp;"),
            QStringLiteral("##double"),
        };
        const QList<Expected> expected = {
            {QStringLiteral("Title line"), Title},
            {QString(), Body},
            {QStringLiteral("¿Por qué utilizar Tarnwick?"), Heading},
            {QStringLiteral("Body text with a # and a ? and a ! inside"), Body},
            {QStringLiteral(" "), Body},
            {QStringLiteral("Contact line"), Contact},
            {QString(), Title},
            {QString(), Heading},
            {QString(), Contact},
            {QStringLiteral("<b>not markup</b> &amp;"), Body},
            {QStringLiteral("#double"), Title},
        };

        QTextEdit control;
        control.setFont(QFont(QStringLiteral("Sans Serif"), 8));
        control.setPlainText(source.join(QLatin1Char('\n')));
        FormatAboutText(&control);

        QTextBlock block = control.document()->begin();
        for (int n = 0; n < expected.size(); ++n, block = block.next()) {
            QVERIFY2(block.isValid(), qPrintable(QStringLiteral("paragraph %1 missing").arg(n)));
            const Expected &want = expected[n];
            const QTextCharFormat format = formatOf(block);
            const QByteArray where = "paragraph " + QByteArray::number(n);
            QVERIFY2(block.text() == want.text, where + ": " + block.text().toUtf8());
            QVERIFY2(format.foreground().color() == colourOf(want.kind), where);
            QVERIFY2(format.fontFamilies().toStringList() == QStringList{QStringLiteral("Arial")}, where);
            QVERIFY2((format.fontWeight() >= QFont::Bold) == (want.kind != Body), where);
            QVERIFY2(format.fontItalic() == (want.kind == Contact), where);
            QVERIFY2(format.fontUnderline() == (want.kind == Title || want.kind == Heading), where);
        }
        QVERIFY(!block.isValid());
    }

    // Heights are the control's size cut to whole points, in pixels, plus a
    // fixed pixel offset per kind.
    void sizesFollowTheControlFont_data() {
        QTest::addColumn<qreal>("points");
        QTest::addColumn<QList<int>>("expected");  // title, heading, contact, body
        QTest::newRow("8 pt window font") << qreal(8) << QList<int>{14, 12, 13, 9};
        QTest::newRow("fraction cut off") << qreal(8.75) << QList<int>{14, 12, 13, 9};
        QTest::newRow("12 pt") << qreal(12) << QList<int>{17, 16, 17, 13};
    }
    void sizesFollowTheControlFont() {
        QFETCH(qreal, points);
        QFETCH(QList<int>, expected);
        QTextEdit control;
        if (control.logicalDpiY() != 96)
            QSKIP("expected sizes are worked out for 96 pixels per inch");
        QFont font(QStringLiteral("Sans Serif"));
        font.setPointSizeF(points);
        control.setFont(font);
        control.setPlainText(QStringLiteral("#t\n?h\n!c\nb"));
        FormatAboutText(&control);

        QList<int> sizes;
        for (QTextBlock block = control.document()->begin(); block.isValid(); block = block.next())
            sizes << qRound(formatOf(block).fontPointSize());
        QCOMPARE(sizes, expected);
    }

    void bodyKeepsTheControlStyle() {
        QTextEdit control;
        QFont font(QStringLiteral("Sans Serif"), 8);
        font.setItalic(true);
        control.setFont(font);
        control.setPlainText(QStringLiteral("plain\n?heading"));
        FormatAboutText(&control);
        const QTextBlock body = control.document()->begin();
        QVERIFY(formatOf(body).fontItalic());
        QVERIFY(formatOf(body).fontWeight() < QFont::Bold);
        QVERIFY(!formatOf(body.next()).fontItalic());
    }

    void shippedTexts_data() {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= 5; ++language)
            QTest::addRow("%s", std::array{"en", "fr", "de", "it", "es"}[language - 1]) << language;
    }
    void shippedTexts() {
        QFETCH(int, language);
        const QStringList lines = loadAboutText(language);
        QVERIFY(lines.size() > 20);

        QVERIFY(lines[0].startsWith(QLatin1Char('#')) && lines[0].size() > 1);
        QVERIFY(lines[1].isEmpty());
        const int firstHeading = lines[2].isEmpty() ? 3 : 2;
        QVERIFY(lines[firstHeading].startsWith(QLatin1Char('?')));

        QList<int> headings, contacts;
        for (int n = 0; n < lines.size(); ++n) {
            const QString &line = lines[n];
            QVERIFY2(line.size() <= 125, qPrintable(line));
            QVERIFY2(tarnwick::Cp1252::canEncode(line), qPrintable(line));
            QVERIFY2(n == 0 || !line.startsWith(QLatin1Char('#')), qPrintable(line));
            if (line.startsWith(QLatin1Char('?')))
                headings << n;
            if (line.startsWith(QLatin1Char('!')))
                contacts << n;
        }
        QCOMPARE(headings.size(), 6);
        for (int n : headings) {
            QVERIFY(lines.value(n + 1).isEmpty());
            QVERIFY(!lines.value(n + 2).isEmpty());
            QVERIFY(lines.value(n - 1).isEmpty());
        }
        if (language == 5) {
            for (int n : headings)
                QVERIFY2(lines[n].startsWith(QStringLiteral("?¿")), qPrintable(lines[n]));
        }

        // Contact block: five lines right under the last heading, then an empty
        // line, the rights notice, and nothing but empty or single-space lines.
        QCOMPARE(contacts.size(), 5);
        QCOMPARE(contacts.first(), headings.last() + 2);
        QCOMPARE(contacts.last(), contacts.first() + 4);
        for (int n : contacts)
            QVERIFY(lines[n].size() > 1);
        const int rights = contacts.last() + 2;
        QVERIFY(lines.value(contacts.last() + 1).isEmpty());
        QVERIFY(lines.value(rights).startsWith(QStringLiteral("© ")));
        QVERIFY(rights + 1 < lines.size());
        for (int n = rights + 1; n < lines.size(); ++n)
            QVERIFY(lines[n].isEmpty() || lines[n] == QStringLiteral(" "));

        // Formatted, every line is one paragraph and the title loses its marker.
        QTextEdit control;
        control.setPlainText(lines.join(QLatin1Char('\n')));
        FormatAboutText(&control);
        const QStringList shown = paragraphs(control);
        QCOMPARE(shown.size(), lines.size());
        QCOMPARE(shown.first(), lines.first().mid(1));
    }

    void englishTitleAndHeadings() {
        const QStringList lines = loadAboutText(1);
        QStringList marked;
        for (const QString &line : lines) {
            if (line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char('?')))
                marked << line;
        }
        const QStringList expected = {
            QStringLiteral("#The Tarnwick International Demonstration program"),
            QStringLiteral("?Why use Tarnwick?"),
            QStringLiteral("?What is Tarnwick?"),
            QStringLiteral("?How does Tarnwick work?"),
            QStringLiteral("?When to use Tarnwick Components?"),
            QStringLiteral("?Where would you use Tarnwick?"),
            QStringLiteral("?Whom to contact for further information?"),
        };
        QCOMPARE(marked, expected);
    }

    void unknownLanguageHasNoText() {
        QVERIFY(loadAboutText(0).isEmpty());
        QVERIFY(loadAboutText(6).isEmpty());
    }
};

QTEST_MAIN(TestAboutFormat)
#include "test_about_format.moc"
