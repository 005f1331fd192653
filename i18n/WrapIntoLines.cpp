#include "WrapIntoLines.h"

#include <QFontMetrics>
#include <QTextEdit>

#include <algorithm>

namespace tarnwick {

QStringList wrapIntoLines(const QString &text, int limit, const std::function<int(QStringView)> &width) {
    QStringList lines;
    const QStringView all(text);
    qsizetype start = 0;       // first character of the current line
    qsizetype lastSpace = -1;  // most recent space seen, -1 for none
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all[i] == QLatin1Char(' '))
            lastSpace = i;
        // Measure the line so far without character i.
        if (i == start || width(all.mid(start, i - start)) <= limit)
            continue;
        if (lastSpace >= start) {
            lines.append(all.mid(start, lastSpace - start).toString());
            start = lastSpace + 1;
        } else {
            // A word wider than the line with no space to break at: cut it
            // before the character that overflowed, keeping at least one
            // character per line so the text always moves on.
            const qsizetype cut = std::max(i - 1, start + 1);
            lines.append(all.mid(start, cut - start).toString());
            start = cut;
        }
    }
    lines.append(all.mid(start).toString());
    return lines;
}

void WrapIntoLines(const QString &text, QTextEdit *control, const QFont &windowFont) {
    if (!control)
        return;
    control->clear();
    // The lines are already broken; letting the control wrap again would split
    // a line that runs over by its last character and push text out of sight.
    control->setLineWrapMode(QTextEdit::NoWrap);
    const QFontMetrics metrics(windowFont);
    const auto width = [&metrics](QStringView part) {
        // Borrows the characters rather than copying them.
        return metrics.horizontalAdvance(QString::fromRawData(part.data(), part.size()));
    };
    control->setPlainText(wrapIntoLines(text, control->width() - 10, width).join(QLatin1Char('\n')));
}

}  // namespace tarnwick
