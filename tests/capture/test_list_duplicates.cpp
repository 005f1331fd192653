// The whole-list search: blocking finds what comparing every pair finds, the
// search options decide as on Add, clusters join transitively, and the report
// is a CSV a spreadsheet reads back, written whole or not at all.
#include "../support/FakeEngine.h"

#include "capture/ListDuplicates.h"
#include "capture/ListReport.h"
#include "core/Failure.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

// Keys of the form "<letters><digits>": letters equal score 100, one letter
// apart 80, else 10; so "SMIT"/"SMID" match, "SMIT"/"JONS" do not.
int letterScore(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return 0;
    if (a == b)
        return 100;
    if (a.size() != b.size())
        return 10;
    int diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff += a[i] != b[i];
    return diff == 1 ? 80 : 10;
}

QList<ContactKeyRow> rows(std::initializer_list<std::array<const char *, 3>> list)
{
    QList<ContactKeyRow> out;
    for (const auto &r : list)
        out.append({QString::fromLatin1(r[0]), QString::fromLatin1(r[1]), QString::fromLatin1(r[2])});
    return out;
}

using Pairs = QList<std::pair<int, int>>;

Pairs pairsOf(const QList<MatchedPair> &pairs)
{
    Pairs out;
    for (const MatchedPair &p : pairs)
        out.append({p.a, p.b});
    return out;
}

}  // namespace

Q_DECLARE_METATYPE(DuplicateSearchOptions)

class TestListDuplicates : public QObject {
    Q_OBJECT
private slots:
    void searchOptionsDecideAsOnAdd_data()
    {
        QTest::addColumn<DuplicateSearchOptions>("options");
        QTest::addColumn<Pairs>("pairs");
        const DuplicateSearchOptions defaults;
        QTest::newRow("defaults") << defaults << Pairs{{0, 1}, {0, 2}, {1, 2}};
        DuplicateSearchOptions noCompany = defaults;
        noCompany.CompanyCheck = false;
        QTest::newRow("company off") << noCompany << Pairs{{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
        DuplicateSearchOptions strict = defaults;
        strict.SurnameThreshold = 81;
        QTest::newRow("surname above a one-letter slip") << strict << Pairs{{0, 1}};
        DuplicateSearchOptions noForename = defaults;
        noForename.ForenameCheck = false;
        QTest::newRow("first-name check off finds nothing") << noForename << Pairs{};
    }

    void searchOptionsDecideAsOnAdd()
    {
        QFETCH(DuplicateSearchOptions, options);
        QFETCH(Pairs, pairs);
        FakeEngine engine;
        engine.score = letterScore;
        const QList<ContactKeyRow> keys = rows({{"ANA", "SMIT", "ACME"},
                                                 {"ANA", "SMIT", "ACME"},
                                                 {"ANA", "SMID", "ACME"},
                                                 {"ANA", "SMIT", "BOLT"},
                                                 {"BEN", "SMIT", "ACME"},
                                                 {"ANA", "", "ACME"}});
        for (Blocking blocking : {Blocking::Keys, Blocking::AllPairs}) {
            SearchControl control;
            QCOMPARE(pairsOf(findListDuplicates(engine, keys, options, 1, control, blocking)), pairs);
        }
    }

    void blockingFindsEveryPairOfAPlantedList()
    {
        // 400 contacts in 100 groups of 1 to 7 copies with one-letter slips in
        // any one key: every pair the full comparison finds, blocking finds.
        FakeEngine engine;
        engine.score = letterScore;
        QList<ContactKeyRow> keys;
        // Each group's code letters stand twice in every key, so two groups'
        // keys are always at least two letters apart.
        const QString letters = QStringLiteral("BCDFGHJKLMNPRSTVZ");
        for (int g = 0; keys.size() < 400; ++g) {
            const QChar x = letters[g % 17], y = letters[g / 17 % 17];
            const QString first = QString(x) + u'A' + y + u'N' + x + y;
            const QString sur = QString(y) + u'O' + x + u'R' + y + x + QStringLiteral("EN");
            const QString company = QString(x) + y + QStringLiteral("ELT") + x + y;
            for (int c = 0; c <= g % 7; ++c) {
                ContactKeyRow k{first, sur, company};
                QString &slipped = c % 3 == 0 ? k.firstName : c % 3 == 1 ? k.surname : k.company;
                if (c > 0)
                    slipped[slipped.size() - 1] = QChar(u'W' + c % 3);
                keys.append(k);
            }
        }
        SearchControl blocked, all;
        const QList<MatchedPair> found = findListDuplicates(engine, keys, {}, 1, blocked);
        const QList<MatchedPair> reference = findListDuplicates(engine, keys, {}, 1, all, Blocking::AllPairs);
        QVERIFY(reference.size() > 300);
        QCOMPARE(pairsOf(found), pairsOf(reference));
        QVERIFY(blocked.total < all.total / 20);
    }

    void cancelledSearchGivesNothing()
    {
        FakeEngine engine;
        SearchControl control;
        control.cancel = true;
        QVERIFY(findListDuplicates(engine, rows({{"A", "B", "C"}, {"A", "B", "C"}}), {}, 1, control).isEmpty());
    }

    void clustersJoinTransitivelyLargestFirst()
    {
        const auto pair = [](int a, int b) { return MatchedPair{a, b, 90, 90, 90}; };
        const QList<DuplicateCluster> clusters = clusterPairs(9, {pair(0, 5), pair(2, 3), pair(3, 8), pair(5, 7), pair(1, 7)});
        QCOMPARE(clusters.size(), 2);
        QCOMPARE(clusters[0].members, (QList<int>{0, 1, 5, 7}));
        QCOMPARE(clusters[0].links.size(), 3);
        QCOMPARE(clusters[1].members, (QList<int>{2, 3, 8}));
    }

    void reportIsCsvWrittenWholeOrNotAtAll()
    {
        QList<ListedContact> contacts(3);
        for (int i = 0; i < 3; ++i)
            contacts[i].id = QString::number(i + 1);
        contacts[0].fields[1] = QStringLiteral("Zoë");
        contacts[0].fields[4] = QStringLiteral("Smith, \"Sons\" & Co");
        contacts[2].fields[5] = QStringLiteral("Line 1\nLine 2");
        const QList<DuplicateCluster> clusters = clusterPairs(3, {MatchedPair{0, 2, 95, 88, -1}});
        const QByteArray csv = formatListReport(clusters, contacts);
        const QList<QByteArray> lines = csv.split('\n');
        QVERIFY(csv.startsWith("\xEF\xBB\xBF" "Cluster,ID,Title,FirstName,Surname,"));
        QCOMPARE(lines[1], QByteArray("1,1,,Zo\xC3\xAB,,,\"Smith, \"\"Sons\"\" & Co\",,,,,,,,3,95,88,\r"));
        QCOMPARE(lines[2], QByteArray("1,3,,,,,,\"Line 1"));
        QCOMPARE(lines[3], QByteArray("Line 2\",,,,,,,1,95,88,\r"));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.csv"));
        writeListReport(path, clusters, contacts);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), csv);
        const QString nowhere = dir.filePath(QStringLiteral("missing/report.csv"));
        QVERIFY_THROWS_EXCEPTION(Failure, writeListReport(nowhere, clusters, contacts));
    }
};

QTEST_APPLESS_MAIN(TestListDuplicates)
#include "test_list_duplicates.moc"
