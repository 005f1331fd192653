#pragma once
// The planted pairs that make_list.py writes beside a list, and how many of
// each kind a search put in one cluster.
#include "capture/ListDuplicates.h"

#include <QList>
#include <QMap>
#include <QString>

namespace tarnwick {

struct PlantedPair {
    int a, b;  // list positions (the file counts rows from 1)
    QString kind, language;
};

// Empty when the file is missing.
QList<PlantedPair> readPlantedPairs(const QString &path);

struct Tally {
    int found = 0, planted = 0;
};
struct KindTally : Tally {
    QMap<QString, Tally> byLanguage;
};

QMap<QString, KindTally> tallyPlanted(const QList<PlantedPair> &planted, int count,
                                      const QList<DuplicateCluster> &clusters);

}  // namespace tarnwick
