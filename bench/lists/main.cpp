// Figures of the whole-list duplicate search with the real engine, on lists
// written by make_list.py:
//     list_bench LIST.csv [SMALL.csv]
// LIST (100,000 contacts): opening through the capture page, the search on 1
// and 2 threads, the planted pairs, peak memory with the result window filled,
// and the single-contact check at that size. SMALL (10,000 contacts): recall
// of blocking against comparing every pair, and its planted pairs.
// Not a test: run by hand from the run folder.
#include "PlantedPairs.h"
#include "capture/CapturePage.h"
#include "capture/ContactGrid.h"
#include "capture/ContactKeys.h"
#include "capture/ContactListFile.h"
#include "capture/ContactRecord.h"
#include "capture/DuplicateSearch.h"
#include "capture/ListDuplicates.h"
#include "capture/TfrmListDupes.h"
#include "core/Failure.h"
#include "engine/VeskorEngine.h"
#include "widgets/TAdvStringGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <thread>
#include <vector>

using namespace tarnwick;

namespace {

double msSince(const QElapsedTimer &t) { return double(t.nsecsElapsed()) / 1e6; }

// CPU time of all the process's threads: with two busy threads it grows twice
// as fast as the clock, unless other work on the machine holds a core.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double peakMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

QString sidePath(const QString &list)
{
    QString base = list;
    if (base.endsWith(QLatin1String(".csv")))
        base.chop(4);
    return base + QStringLiteral(".pairs.csv");
}

// Opens the list as the toolbar button does; the times until the grid is
// usable and until idle time has keyed every contact.
void openList(CapturePage &page, const QString &path, bool print)
{
    page.askListPath = [path] { return path; };
    QElapsedTimer timer;
    timer.start();
    page.sbOpenListClick();
    QApplication::processEvents();
    const double usableMs = msSince(timer);
    while (!page.keysAreCurrent())
        QApplication::processEvents(QEventLoop::AllEvents);
    const double keyedMs = msSince(timer);
    if (print) {
        std::printf("open %d contacts: grid usable %.0f ms (target < 2000 ms), keys current %.0f ms\n",
                    entryRow(page.sgDemo()) - 1, usableMs, keyedMs);
    }
}

QList<ContactKeyRow> keysOfGrid(const TAdvStringGrid &grid)
{
    QList<ContactKeyRow> keys;
    const int end = entryRow(&grid);
    keys.reserve(end - 1);
    for (int row = 1; row < end; ++row)
        keys.append({grid.cell(row, contact::kFirstNamePhkColumn), grid.cell(row, contact::kSurnamePhkColumn),
                     grid.cell(row, contact::kCompanyPhkColumn)});
    return keys;
}

struct Search {
    QList<MatchedPair> pairs;
    qint64 comparisons = 0;
    double ms = 0, cpu = 0;
};

bool samePairs(const QList<MatchedPair> &x, const QList<MatchedPair> &y)
{
    return std::equal(x.begin(), x.end(), y.begin(), y.end(), [](const MatchedPair &p, const MatchedPair &q) {
        return p.a == q.a && p.b == q.b && p.firstName == q.firstName && p.surname == q.surname &&
               p.company == q.company;
    });
}

Search search(Engine &engine, const QList<ContactKeyRow> &keys, int threads, Blocking blocking)
{
    SearchControl control;
    QElapsedTimer timer;
    timer.start();
    Search s;
    const double cpuStart = cpuMs();
    s.pairs = findListDuplicates(engine, keys, DuplicateSearchOptions{}, threads, control, blocking);
    s.ms = msSince(timer);
    s.cpu = cpuMs() - cpuStart;
    s.comparisons = control.total;
    return s;
}

void printPlanted(const QString &listPath, int count, const QList<MatchedPair> &pairs)
{
    const QList<PlantedPair> planted = readPlantedPairs(sidePath(listPath));
    if (planted.isEmpty()) {
        std::printf("planted pairs: none listed in %s\n", qPrintable(sidePath(listPath)));
        return;
    }
    const auto tally = tallyPlanted(planted, count, clusterPairs(count, pairs));
    Tally all;
    for (auto it = tally.cbegin(); it != tally.cend(); ++it) {
        QStringList languages;
        for (auto l = it->byLanguage.cbegin(); l != it->byLanguage.cend(); ++l)
            languages.append(QStringLiteral("%1 %2/%3").arg(l.key()).arg(l->found).arg(l->planted));
        std::printf("  planted %-13s %4d / %4d  %5.1f %%  (%s)\n", qPrintable(it.key()), it->found, it->planted,
                    100.0 * it->found / it->planted, qPrintable(languages.join(QStringLiteral(", "))));
        all.found += it->found;
        all.planted += it->planted;
    }
    std::printf("  planted in one cluster, all kinds: %d / %d  %.1f %%\n", all.found, all.planted,
                100.0 * all.found / all.planted);
}

// Keys as a list keyed by one language's rules would have them if every
// contact were keyed in the language of its Language column.
QList<ContactKeyRow> keysInOwnLanguages(Engine &engine, const QString &path)
{
    const ContactList list = readContactList(path);
    QList<ContactKeyRow> keys;
    keys.reserve(list.contacts.size());
    for (qsizetype i = 0; i < list.contacts.size(); ++i) {
        const contact::Fields &f = list.contacts[i];
        const ContactKeys k = deriveContactKeys(engine, qMax(1, list.languages[i]), f[1], f[2], f[4]);
        keys.append({k.firstName, k.surname, k.company});
    }
    return keys;
}

void recallOfBlocking(Engine &engine, const QList<ContactKeyRow> &keys, const QString &path)
{
    const Search blocked = search(engine, keys, 2, Blocking::Keys);
    const Search all = search(engine, keys, 2, Blocking::AllPairs);
    qsizetype common = 0;
    QStringList missed;
    for (const MatchedPair &p : all.pairs) {
        if (std::binary_search(blocked.pairs.begin(), blocked.pairs.end(), p,
                               [](const MatchedPair &x, const MatchedPair &y) {
                                   return std::pair(x.a, x.b) < std::pair(y.a, y.b);
                               })) {
            ++common;
            continue;
        }
        const auto row = [&keys](int i) {
            return QStringLiteral("%1/%2/%3").arg(keys[i].firstName, keys[i].surname, keys[i].company);
        };
        missed.append(QStringLiteral("  missed by blocking: %1 = %2").arg(row(p.a), row(p.b)));
    }
    std::printf("  recall of blocking at %lld contacts: %lld / %lld pairs = %.2f %% (target >= 99 %%); "
                "blocked %lld comparisons in %.0f ms, all pairs %lld in %.0f ms (2 threads)\n",
                static_cast<long long>(keys.size()), static_cast<long long>(common),
                static_cast<long long>(all.pairs.size()),
                all.pairs.isEmpty() ? 100.0 : 100.0 * double(common) / double(all.pairs.size()),
                static_cast<long long>(blocked.comparisons), blocked.ms, static_cast<long long>(all.comparisons),
                all.ms);
    for (const QString &line : missed)
        std::printf("%s\n", qPrintable(line));
    std::printf("  planted pairs with blocking:\n");
    printPlanted(path, int(keys.size()), blocked.pairs);
    std::printf("  planted pairs comparing every pair:\n");
    printPlanted(path, int(keys.size()), all.pairs);
}

// The result window as the button opens it, closed once the search is over.
double resultWindow(CapturePage &page)
{
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&page] {
        TfrmListDupes *dialog = page.listDupes();
        // The search's end joins its thread and fills the tree in one step.
        if (dialog->isVisible() && !dialog->isSearching())
            dialog->reject();
    });
    closer.start();
    QElapsedTimer timer;
    timer.start();
    page.sbFindDuplicatesClick();
    const double ms = msSince(timer);
    std::printf("result window: %lld clusters shown after %.0f ms (%d threads)\n",
                static_cast<long long>(page.listDupes()->clusters().size()), ms, QThread::idealThreadCount());
    return ms;
}

void singleCheck(Engine &engine, CapturePage &page, const ProgramState &state)
{
    constexpr int kChecks = 5;
    const TAdvStringGrid &grid = *page.sgDemo();
    const contact::Fields f = rowFields(&grid, grid.rowCount() / 2);
    std::vector<double> times;
    qsizetype found = 0;
    for (int run = 0; run < kChecks; ++run) {
        QElapsedTimer timer;
        timer.start();
        const ContactKeys keys = deriveContactKeys(engine, state.EngineLanguage, f[1], f[2], f[4]);
        found = findDuplicateRows(engine, grid, keys, state.SearchOptions, -1).size();
        times.push_back(msSince(timer));
    }
    std::sort(times.begin(), times.end());
    std::printf("single-contact check at %d contacts: median %.1f ms, best %.1f ms of %d (target < 250 ms), "
                "%lld candidates\n",
                entryRow(&grid) - 1, times[times.size() / 2], times.front(), kChecks, static_cast<long long>(found));
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: list_bench LIST.csv [SMALL.csv]\n");
        return 2;
    }
    const QString big = QString::fromLocal8Bit(argv[1]);
    VeskorEngine engine;
    ProgramState state;
    state.EngineLanguage = 1;
    CapturePage page(engine, state);
    page.show();
    std::printf("cores (nproc): %u\n", std::thread::hardware_concurrency());
    try {
        if (argc > 2) {
            const QString small = QString::fromLocal8Bit(argv[2]);
            openList(page, small, false);
            std::printf("%s, keyed as the program keys it (engine language %d):\n", qPrintable(small),
                        state.EngineLanguage);
            recallOfBlocking(engine, keysOfGrid(*page.sgDemo()), small);
            std::printf("%s, each contact keyed in its own language:\n", qPrintable(small));
            recallOfBlocking(engine, keysInOwnLanguages(engine, small), small);
        }

        QElapsedTimer timer;
        timer.start();
        const int read = int(readContactList(big).contacts.size());
        std::printf("readContactList alone: %d contacts in %.0f ms\n", read, msSince(timer));
        openList(page, big, true);
        std::printf("peak memory after opening: %.0f MB\n", peakMb());

        const QList<ContactKeyRow> keys = keysOfGrid(*page.sgDemo());
        const Search one = search(engine, keys, 1, Blocking::Keys);
        const Search two = search(engine, keys, 2, Blocking::Keys);
        std::printf("whole-list search at %lld contacts: 1 thread %.0f ms (CPU %.0f ms), 2 threads %.0f ms "
                    "(CPU %.0f ms) (target < 10000 ms), speed-up %.2f; %lld comparisons, %lld pairs (%s on both)\n",
                    static_cast<long long>(keys.size()), one.ms, one.cpu, two.ms, two.cpu, one.ms / two.ms,
                    static_cast<long long>(two.comparisons), static_cast<long long>(two.pairs.size()),
                    samePairs(one.pairs, two.pairs) ? "same" : "DIFFERENT");
        printPlanted(big, int(keys.size()), two.pairs);

        resultWindow(page);
        std::printf("peak memory with the result window filled: %.0f MB (target < 500 MB)\n", peakMb());
        singleCheck(engine, page, state);
        const QList<ContactKeyRow> ownKeys = keysInOwnLanguages(engine, big);
        const Search own = search(engine, ownKeys, 2, Blocking::Keys);
        std::printf("each contact keyed in its own language: 2 threads %.0f ms, %lld comparisons, %lld pairs\n",
                    own.ms, static_cast<long long>(own.comparisons), static_cast<long long>(own.pairs.size()));
        printPlanted(big, int(ownKeys.size()), own.pairs);
    } catch (const Failure &f) {
        std::fprintf(stderr, "list_bench: %s\n", qPrintable(f.message()));
        return 1;
    }
    engine.finish();
    return 0;
}
