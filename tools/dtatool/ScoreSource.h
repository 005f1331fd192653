#pragma once
// The readable form of a score data file: one [record] block per score record,
// named fields instead of the 28 bare lines. parseScoreSource turns it into
// the lines of the file; formatScoreSource writes them back so that parsing
// the result gives the same lines again.
#include <QString>
#include <QStringList>

namespace tarnwick::dtatool {

inline constexpr int kScoreRecordLines = 28;

// The 28 lines of every record, in file order. Throws a ToolError with the
// source line on bad syntax, an unknown field or value, or a text the data
// file cannot store.
QStringList parseScoreSource(const QString &source);

// The readable form of the whole records among lines; trailing lines that
// make no whole record are left out (the program ignores them too).
QString formatScoreSource(const QStringList &lines);

}  // namespace tarnwick::dtatool
