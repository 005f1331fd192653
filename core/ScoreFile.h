#pragma once
// Picking the records of one category out of a score data file's lines.
#include "TextLines.h"

namespace tarnwick {

// Lines of every whole record whose category line equals the word exactly,
// in file order. Trailing lines that make no whole record are ignored.
QStringList selectCategory(const QStringList &fileLines, const QString &categoryWord);

}  // namespace tarnwick
