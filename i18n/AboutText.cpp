#include "AboutText.h"

#include <QColor>
#include <QFile>
#include <QFont>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <cmath>
#include <iterator>

namespace tarnwick {
namespace {

const char *const kAboutFiles[] = {":/about/about_en.txt", ":/about/about_fr.txt", ":/about/about_de.txt",
                                   ":/about/about_it.txt", ":/about/about_es.txt"};

struct LineKind {
    QChar marker;
    QColor colour;
    int extraPixels;
    bool bold, italic, underline;
};

const LineKind kMarkedKinds[] = {
    {QLatin1Char('#'), QColor(255, 0, 0), 7, true, false, true},   // title
    {QLatin1Char('?'), QColor(0, 0, 255), 5, true, false, true},   // question heading
    {QLatin1Char('!'), QColor(0, 128, 0), 6, true, true, false},   // contact line
};
constexpr int kBodyExtraPixels = 1;

int pointsToPixels(int points, int dpi) { return qRound(points * dpi / 72.0); }
int pixelsToPoints(int pixels, int dpi) { return qRound(pixels * 72.0 / dpi); }

QTextCharFormat lineFormat(const QColor &colour, int points, const QFont &style) {
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setForeground(colour);
    format.setFontPointSize(points);
    format.setFontWeight(style.weight());
    format.setFontItalic(style.italic());
    format.setFontUnderline(style.underline());
    format.setFontStrikeOut(style.strikeOut());
    return format;
}

QFont markedStyle(const LineKind &kind) {
    QFont style;
    style.setBold(kind.bold);
    style.setItalic(kind.italic);
    style.setUnderline(kind.underline);
    return style;
}

}  // namespace

QStringList loadAboutText(int language) {
    if (language < 1 || language > 5)
        return {};
    QFile file(QString::fromLatin1(kAboutFiles[language - 1]));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.remove(QLatin1Char('\r'));
    // The final line break ends the last line rather than starting a new one.
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

void FormatAboutText(QTextEdit *control) {
    if (!control)
        return;
    const QStringList lines = control->toPlainText().split(QLatin1Char('\n'));
    control->clear();

    // Properties the current format leaves unset come from the control's font.
    const QTextCharFormat current = control->currentCharFormat();
    const QFont style = current.font().resolve(control->document()->defaultFont());
    const int dpi = control->logicalDpiY();
    // A font sized in pixels has no point size; its pixel size is the base then.
    const int basePixels = style.pointSizeF() > 0 ? pointsToPixels(int(std::floor(style.pointSizeF())), dpi)
                                                  : style.pixelSize();

    QTextCharFormat formats[std::size(kMarkedKinds)];
    for (size_t k = 0; k < std::size(kMarkedKinds); ++k) {
        const LineKind &kind = kMarkedKinds[k];
        formats[k] = lineFormat(kind.colour, pixelsToPoints(basePixels + kind.extraPixels, dpi), markedStyle(kind));
    }
    const QTextCharFormat bodyFormat =
        lineFormat(Qt::black, pixelsToPoints(basePixels + kBodyExtraPixels, dpi), style);

    // Lines go in through a cursor as plain text: append() would take a line
    // that looks like HTML for markup.
    QTextCursor cursor(control->document());
    cursor.beginEditBlock();
    bool first = true;
    for (const QString &line : lines) {
        const QChar marker = line.isEmpty() ? QLatin1Char(' ') : line.front();
        const QTextCharFormat *format = &bodyFormat;
        QStringView shown = line;
        for (size_t k = 0; k < std::size(kMarkedKinds); ++k) {
            if (marker == kMarkedKinds[k].marker) {
                format = &formats[k];
                shown = shown.mid(1);
                break;
            }
        }
        if (first)
            cursor.setBlockCharFormat(*format);
        else
            cursor.insertBlock(QTextBlockFormat(), *format);
        cursor.setCharFormat(*format);
        cursor.insertText(shown.toString(), *format);
        first = false;
    }
    cursor.endEditBlock();
    control->setTextCursor(QTextCursor(control->document()));  // show the title, not the end
}

}  // namespace tarnwick
