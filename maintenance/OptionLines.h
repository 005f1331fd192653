#pragma once
// Reading and writing the option lines of a score record into controls: flags
// are ticked when odd, indexes become drop-down positions. Reads go through
// TextLines, so a missing or non-numeric line is a reported failure.
#include "core/TextLines.h"

#include <QCheckBox>
#include <QComboBox>

namespace tarnwick::OptionLines {

inline void showFlag(QCheckBox *box, const TextLines &lines, qsizetype line)
{
    box->setChecked(lines.integerAt(line) % 2 != 0);
}

// A position outside the list leaves the drop-down without a selection.
inline void showIndex(QComboBox *list, const TextLines &lines, qsizetype line)
{
    const int position = lines.integerAt(line);
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

inline QString flag(const QCheckBox *box) { return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); }

inline QString index(const QComboBox *list) { return QString::number(list->currentIndex()); }

}  // namespace tarnwick::OptionLines
