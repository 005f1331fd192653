#include "ListDuplicates.h"

#include "engine/Engine.h"

#include <QHash>

#include <algorithm>
#include <numeric>
#include <thread>
#include <vector>

namespace tarnwick {
namespace {

// Duplicates share at least one of these nearly always: a surname key, or a
// first-name key with the start of the company key, or the start of the
// surname key with the first-name key's initial. A pair is compared in the
// first pass whose block it shares, so never twice.
constexpr int kPasses = 3;

QString blockKey(const ContactKeyRow &k, int pass)
{
    switch (pass) {
    case 0:
        return k.surname;
    case 1:
        return k.firstName.isEmpty() || k.company.isEmpty() ? QString() : k.firstName + u'|' + k.company.left(3);
    default:
        return k.surname.size() < 3 || k.firstName.isEmpty() ? QString() : k.surname.left(3) + u'|' + k.firstName.left(1);
    }
}

struct Block {
    int pass;
    std::vector<int> members;
};

std::vector<Block> buildBlocks(const QList<ContactKeyRow> &keys, Blocking blocking)
{
    std::vector<Block> blocks;
    if (blocking == Blocking::AllPairs) {
        Block all{0, std::vector<int>(size_t(keys.size()))};
        std::iota(all.members.begin(), all.members.end(), 0);
        blocks.push_back(std::move(all));
        return blocks;
    }
    for (int pass = 0; pass < kPasses; ++pass) {
        QHash<QString, int> index;
        const size_t first = blocks.size();
        for (int i = 0; i < keys.size(); ++i) {
            const QString key = blockKey(keys[i], pass);
            if (key.isEmpty())
                continue;
            auto it = index.constFind(key);
            if (it == index.constEnd()) {
                it = index.insert(key, int(blocks.size()));
                blocks.push_back({pass, {}});
            }
            blocks[size_t(*it)].members.push_back(i);
        }
        // A block of one compares nothing.
        blocks.erase(std::remove_if(blocks.begin() + qsizetype(first), blocks.end(),
                                    [](const Block &b) { return b.members.size() < 2; }),
                     blocks.end());
    }
    // Largest first, so the threads finish together.
    std::sort(blocks.begin(), blocks.end(),
              [](const Block &x, const Block &y) { return x.members.size() > y.members.size(); });
    return blocks;
}

qint64 comparisons(const Block &b) { return qint64(b.members.size()) * qint64(b.members.size() - 1) / 2; }

// Scores a pair as the duplicate check scores a stored contact against a
// typed one (stored key first); nullopt-like false when any check fails.
bool matches(Engine &engine, const ContactKeyRow &stored, const ContactKeyRow &typed,
             const DuplicateSearchOptions &o, MatchedPair &pair)
{
    if (!o.ForenameCheck)
        return false;
    pair.firstName = engine.matchIt(stored.firstName, typed.firstName);
    if (pair.firstName < o.ForenameThreshold)
        return false;
    pair.surname = -1;
    if (o.SurnameCheck && (pair.surname = engine.matchIt(stored.surname, typed.surname)) < o.SurnameThreshold)
        return false;
    pair.company = -1;
    if (o.CompanyCheck && (pair.company = engine.matchIt(stored.company, typed.company)) < o.CompanyThreshold)
        return false;
    return true;
}

}  // namespace

QList<MatchedPair> findListDuplicates(Engine &engine, const QList<ContactKeyRow> &keys,
                                      const DuplicateSearchOptions &options, int threads, SearchControl &control,
                                      Blocking blocking)
{
    const std::vector<Block> blocks = buildBlocks(keys, blocking);
    control.total = std::accumulate(blocks.begin(), blocks.end(), qint64(0),
                                    [](qint64 sum, const Block &b) { return sum + comparisons(b); });
    if (!options.ForenameCheck)
        return {};

    // Which earlier pass's block a pair shares, answered from the keys alone.
    const auto sharedEarlier = [&keys](int a, int b, int pass) {
        for (int p = 0; p < pass; ++p) {
            const QString ka = blockKey(keys[a], p);
            if (!ka.isEmpty() && ka == blockKey(keys[b], p))
                return true;
        }
        return false;
    };

    std::atomic<size_t> nextBlock{0};
    std::vector<std::vector<MatchedPair>> found(size_t(qMax(threads, 1)));
    const auto work = [&](std::vector<MatchedPair> &out) {
        for (size_t bi; (bi = nextBlock.fetch_add(1)) < blocks.size();) {
            const Block &block = blocks[bi];
            const auto &m = block.members;
            for (size_t x = 0; x < m.size(); ++x) {
                if (control.cancel.load(std::memory_order_relaxed))
                    return;
                for (size_t y = x + 1; y < m.size(); ++y) {
                    const int a = qMin(m[x], m[y]), b = qMax(m[x], m[y]);
                    if (block.pass > 0 && sharedEarlier(a, b, block.pass))
                        continue;
                    MatchedPair pair{a, b};
                    // Symmetric scores: either contact may be the stored one.
                    if (matches(engine, keys[a], keys[b], options, pair))
                        out.push_back(pair);
                }
                control.done.fetch_add(qint64(m.size() - x - 1), std::memory_order_relaxed);
            }
        }
    };
    std::vector<std::thread> pool;
    for (size_t t = 1; t < found.size(); ++t)
        pool.emplace_back(work, std::ref(found[t]));
    work(found[0]);
    for (std::thread &t : pool)
        t.join();
    if (control.cancel.load())
        return {};

    QList<MatchedPair> pairs;
    for (const auto &part : found)
        pairs.append(QList<MatchedPair>(part.begin(), part.end()));
    std::sort(pairs.begin(), pairs.end(),
              [](const MatchedPair &x, const MatchedPair &y) { return std::pair(x.a, x.b) < std::pair(y.a, y.b); });
    return pairs;
}

QList<DuplicateCluster> clusterPairs(int count, const QList<MatchedPair> &pairs)
{
    std::vector<int> parent(size_t(qMax(count, 0)));
    std::iota(parent.begin(), parent.end(), 0);
    const auto root = [&parent](int i) {
        while (parent[size_t(i)] != i)
            i = parent[size_t(i)] = parent[size_t(parent[size_t(i)])];
        return i;
    };
    for (const MatchedPair &p : pairs)
        if (p.a < count && p.b < count)
            parent[size_t(root(p.b))] = root(p.a);

    QHash<int, int> clusterOf;  // root -> index in `clusters`
    QList<DuplicateCluster> clusters;
    for (const MatchedPair &p : pairs) {
        if (p.a >= count || p.b >= count)
            continue;
        const int r = root(p.a);
        auto it = clusterOf.constFind(r);
        if (it == clusterOf.constEnd()) {
            it = clusterOf.insert(r, int(clusters.size()));
            clusters.append(DuplicateCluster{});
        }
        clusters[*it].links.append(p);
    }
    for (DuplicateCluster &c : clusters) {
        for (const MatchedPair &p : c.links)
            c.members << p.a << p.b;
        std::sort(c.members.begin(), c.members.end());
        c.members.erase(std::unique(c.members.begin(), c.members.end()), c.members.end());
    }
    std::stable_sort(clusters.begin(), clusters.end(), [](const DuplicateCluster &x, const DuplicateCluster &y) {
        return x.members.size() != y.members.size() ? x.members.size() > y.members.size()
                                                    : x.members.first() < y.members.first();
    });
    return clusters;
}

}  // namespace tarnwick
