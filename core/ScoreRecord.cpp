#include "ScoreRecord.h"

namespace tarnwick::ScoreRecord {

QString scoreFileName(int language)
{
    static const char suffix[] = "EFGIS";
    if (language < 1 || language > 5)
        return {};
    return QStringLiteral("ScoreData%1.dta").arg(QLatin1Char(suffix[language - 1]));
}

}  // namespace tarnwick::ScoreRecord
