#pragma once
// Small helpers shared by the maintenance tests: numbered records, files of
// them in the working folder, and the grid's column of first items.
#include "widgets/TAdvStringGrid.h"
#include "../support/TestFiles.h"

#include <QFile>

namespace tarnwick::testing {

inline const QString kEnglishFile = QStringLiteral("ScoreDataE.dta");

// Record n: items "First n"/"Second n", categories cycling Name, Business, Address.
inline QStringList numberedRecord(int n)
{
    static const QString categories[3] = {ScoreRecord::kName, ScoreRecord::kBusiness, ScoreRecord::kAddress};
    return scoreRecord(QStringLiteral("First %1").arg(n), QStringLiteral("Second %1").arg(n), categories[n % 3]);
}

inline QStringList numberedRecords(int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines.append(numberedRecord(n));
    return lines;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

inline QStringList gridItems(const TAdvStringGrid *grid, int column = 1)
{
    QStringList out;
    for (int r = 1; r < grid->rowCount(); ++r)
        out.append(grid->cell(r, column));
    return out;
}

}  // namespace tarnwick::testing
