#pragma once
// Every pair of contacts in a list that the duplicate check would list for
// each other, found by comparing only contacts that share a blocking key, on
// several threads, and grouped into clusters (a contact that matches two
// others joins them).
#include "core/ProgramState.h"

#include <QList>
#include <QString>

#include <atomic>

namespace tarnwick {

class Engine;

struct ContactKeyRow {
    QString firstName, surname, company;  // the three phonetic keys
};

struct MatchedPair {
    int a = 0, b = 0;  // list positions, a < b
    int firstName = 0, surname = 0, company = 0;  // scores; -1 where the check is off
};

struct DuplicateCluster {
    QList<int> members;       // list positions, ascending
    QList<MatchedPair> links;  // the pairs that joined them
};

// What a search shares with the thread that watches it.
struct SearchControl {
    std::atomic<bool> cancel{false};
    std::atomic<qint64> done{0};  // comparisons made so far
    qint64 total = 0;             // comparisons planned, known once the blocks are built
};

enum class Blocking { Keys, AllPairs };

// The pairs, ordered by (a, b). With Blocking::AllPairs every pair is compared:
// the reference blocking is measured against. Empty when cancelled.
QList<MatchedPair> findListDuplicates(Engine &engine, const QList<ContactKeyRow> &keys,
                                      const DuplicateSearchOptions &options, int threads, SearchControl &control,
                                      Blocking blocking = Blocking::Keys);

// Clusters of `count` contacts joined by `pairs`, largest first, then by first member.
QList<DuplicateCluster> clusterPairs(int count, const QList<MatchedPair> &pairs);

}  // namespace tarnwick
