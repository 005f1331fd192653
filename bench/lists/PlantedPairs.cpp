#include "PlantedPairs.h"

#include <QFile>

#include <vector>

namespace tarnwick {

QList<PlantedPair> readPlantedPairs(const QString &path)
{
    QList<PlantedPair> pairs;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return pairs;
    file.readLine();  // header
    while (!file.atEnd()) {
        const QList<QByteArray> cells = file.readLine().trimmed().split(',');
        if (cells.size() == 4)
            pairs.append({cells[0].toInt() - 1, cells[1].toInt() - 1, QString::fromUtf8(cells[2]),
                          QString::fromUtf8(cells[3])});
    }
    return pairs;
}

QMap<QString, KindTally> tallyPlanted(const QList<PlantedPair> &planted, int count,
                                      const QList<DuplicateCluster> &clusters)
{
    std::vector<int> clusterOf(size_t(count), -1);
    for (int c = 0; c < clusters.size(); ++c)
        for (int m : clusters[c].members)
            clusterOf[size_t(m)] = c;
    QMap<QString, KindTally> tally;
    for (const PlantedPair &p : planted) {
        KindTally &t = tally[p.kind];
        Tally &l = t.byLanguage[p.language];
        ++t.planted;
        ++l.planted;
        if (p.a >= 0 && p.b >= 0 && p.a < count && p.b < count && clusterOf[size_t(p.a)] >= 0 &&
            clusterOf[size_t(p.a)] == clusterOf[size_t(p.b)]) {
            ++t.found;
            ++l.found;
        }
    }
    return tally;
}

}  // namespace tarnwick
