#include "ScoreFile.h"

#include "ScoreRecord.h"

namespace tarnwick {

QStringList selectCategory(const QStringList &fileLines, const QString &categoryWord)
{
    QStringList out;
    const qsizetype records = fileLines.size() / ScoreRecord::kLength;
    for (qsizetype r = 0; r < records; ++r) {
        const qsizetype base = r * ScoreRecord::kLength;
        if (fileLines[base + ScoreRecord::Category] == categoryWord)
            out.append(fileLines.mid(base, ScoreRecord::kLength));
    }
    return out;
}

}  // namespace tarnwick
