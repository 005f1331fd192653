#include "ListDuplicates.h"

#include "engine/Engine.h"

#include <QHash>

#include <algorithm>
#include <numeric>
#include <thread>
#include <vector>

namespace tarnwick {
namespace {

// Duplicates share at least one of these nearly always: a surname key; or
// one word of the first-name key with the start of the company key (a
// compound forename is often written with one of its names only); or the
// start of the surname key with the first-name key's initial (a slip in the
// surname's third letter still shares the first two). A contact may stand in
// several blocks of one pass; a pair is compared only in the first block it
// shares, so never twice.
constexpr int kPasses = 3;
constexpr int kCompanyPrefix = 3;
constexpr int kSurnamePrefix = 2;

QStringList blockKeys(const ContactKeyRow &k, int pass)
{
    switch (pass) {
    case 0:
        return k.surname.isEmpty() ? QStringList() : QStringList{k.surname};
    case 1: {
        if (k.company.isEmpty())
            return {};
        QStringList keys = k.firstName.split(u' ', Qt::SkipEmptyParts);
        keys.removeDuplicates();
        for (QString &word : keys)
            word += u'|' + k.company.left(kCompanyPrefix);
        return keys;
    }
    default:
        return k.surname.size() < kSurnamePrefix || k.firstName.isEmpty()
                   ? QStringList()
                   : QStringList{k.surname.left(kSurnamePrefix) + u'|' + k.firstName.left(1)};
    }
}

// Every contact's keys, per pass.
using KeyTable = std::vector<std::vector<QStringList>>;

KeyTable keyTable(const QList<ContactKeyRow> &keys, Blocking blocking)
{
    KeyTable table;
    if (blocking == Blocking::AllPairs)
        return table;
    table.resize(kPasses);
    for (int pass = 0; pass < kPasses; ++pass) {
        table[size_t(pass)].reserve(size_t(keys.size()));
        for (const ContactKeyRow &k : keys)
            table[size_t(pass)].push_back(blockKeys(k, pass));
    }
    return table;
}

struct Block {
    int pass;
    QString key;
    std::vector<int> members;
};

std::vector<Block> buildBlocks(const KeyTable &table, int count, Blocking blocking)
{
    std::vector<Block> blocks;
    if (blocking == Blocking::AllPairs) {
        Block all{0, {}, std::vector<int>(size_t(count))};
        std::iota(all.members.begin(), all.members.end(), 0);
        blocks.push_back(std::move(all));
        return blocks;
    }
    for (int pass = 0; pass < kPasses; ++pass) {
        QHash<QString, int> index;
        const size_t first = blocks.size();
        for (int i = 0; i < count; ++i) {
            for (const QString &key : table[size_t(pass)][size_t(i)]) {
                auto it = index.constFind(key);
                if (it == index.constEnd()) {
                    it = index.insert(key, int(blocks.size()));
                    blocks.push_back({pass, key, {}});
                }
                blocks[size_t(*it)].members.push_back(i);
            }
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

// True when the pair shares a block that comes before `block`: one of an
// earlier pass, or one of the same pass whose key stands earlier in a's keys.
bool comparedElsewhere(const KeyTable &table, int a, int b, const Block &block)
{
    for (int p = 0; p < block.pass; ++p)
        for (const QString &key : table[size_t(p)][size_t(a)])
            if (table[size_t(p)][size_t(b)].contains(key))
                return true;
    const QStringList &ka = table[size_t(block.pass)][size_t(a)];
    if (ka.size() < 2)
        return false;
    const QStringList &kb = table[size_t(block.pass)][size_t(b)];
    for (const QString &key : ka) {
        if (key == block.key)
            return false;
        if (kb.contains(key))
            return true;
    }
    return false;
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
    const KeyTable table = keyTable(keys, blocking);
    const std::vector<Block> blocks = buildBlocks(table, int(keys.size()), blocking);
    control.total = std::accumulate(blocks.begin(), blocks.end(), qint64(0),
                                    [](qint64 sum, const Block &b) { return sum + comparisons(b); });
    if (!options.ForenameCheck)
        return {};

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
                    if (!table.empty() && comparedElsewhere(table, a, b, block))
                        continue;
                    MatchedPair pair{a, b};
                    // Scores are symmetric, so the contact fixed for this row
                    // goes second: the engine keeps that text prepared.
                    if (matches(engine, keys[b], keys[a], options, pair))
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
