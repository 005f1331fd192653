// Scale check of the capture page: 100,000 contacts through BuildContactGrid,
// then one duplicate check (key derivation and scan, no dialog) with the real
// engine, and the bare grid filled at that size. Prints the times and the
// core count. Not a test: run by hand.
#include "GridFill.h"
#include "capture/CapturePage.h"
#include "capture/ContactKeys.h"
#include "capture/ContactRecord.h"
#include "capture/DuplicateSearch.h"
#include "engine/VeskorEngine.h"
#include "widgets/TAdvStringGrid.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <thread>
#include <vector>

using namespace tarnwick;

namespace {

constexpr int kContacts = 100000;
constexpr int kChecks = 5;

// Invented names; combined they give many distinct contacts.
const char *const kFirstNames[] = {"Alwen", "Bertrand", "Carys", "Dorian", "Elspeth", "Fenwick", "Gisela", "Hamish",
                                   "Isolde", "Jory", "Kerensa", "Lowell", "Morwenna", "Nevin", "Oriel", "Peregrine",
                                   "Quenby", "Rosalind", "Sefton", "Tamsin", "Ulric", "Verity", "Wystan", "Yestin"};
const char *const kSurnames[] = {"Ashcombe", "Brackenridge", "Colvane", "Dunthorpe", "Elderfield", "Fallowby",
                                 "Garrowell", "Hethersett", "Ingleby", "Jessamy", "Kettlewell", "Lydgate",
                                 "Marchbanks", "Northcote", "Ollerenshaw", "Pendarves", "Quarrendon", "Rushmere",
                                 "Stainforth", "Treloggan", "Umberleigh", "Vellacott", "Wetherden", "Yarwood"};
const char *const kCompanies[] = {"Ashcombe Joinery Ltd",  "Brackenridge Mills PLC",   "Colvane & Daughters",
                                  "Dunthorpe Freight Limited", "Elderfield Optics GmbH", "Fallowby Print SARL",
                                  "Garrowell Ceramics S.p.A.", "Hethersett Seeds S.L.", "Ingleby Marine Ltd",
                                  "Jessamy Textiles Co.",  "Kettlewell Brewing Ltd",   "Lydgate Instruments AG"};

template <size_t N>
QStringList keysOf(Engine &engine, const char *const (&names)[N], int which)
{
    QStringList keys;
    for (const char *name : names) {
        const QString n = QString::fromLatin1(name);
        const ContactKeys k = deriveContactKeys(engine, 1, which == 0 ? n : QString(), which == 1 ? n : QString(),
                                                which == 2 ? n : QString());
        keys.append(which == 0 ? k.firstName : which == 1 ? k.surname : k.company);
    }
    return keys;
}

QStringList demoLines(Engine &engine)
{
    const QStringList firstKeys = keysOf(engine, kFirstNames, 0);
    const QStringList surnameKeys = keysOf(engine, kSurnames, 1);
    const QStringList companyKeys = keysOf(engine, kCompanies, 2);
    QStringList lines;
    lines.reserve(qsizetype(kContacts) * contact::kLines);
    for (int i = 0; i < kContacts; ++i) {
        const int f = i % int(std::size(kFirstNames));
        // Every combination occurs, each about fourteen times.
        const int s = (i / int(std::size(kFirstNames))) % int(std::size(kSurnames));
        const int c = (i / int(std::size(kFirstNames) * std::size(kSurnames))) % int(std::size(kCompanies));
        lines << (i % 2 ? QStringLiteral("Mr") : QStringLiteral("Ms")) << QString::fromLatin1(kFirstNames[f])
              << QString::fromLatin1(kSurnames[s]) << QStringLiteral("Buyer") << QString::fromLatin1(kCompanies[c])
              << QStringLiteral("%1 Mill Lane").arg(i % 300 + 1) << QString() << QStringLiteral("Farrowby")
              << QStringLiteral("Westmarch") << QStringLiteral("FW%1 %2QT").arg(i % 20).arg(i % 9)
              << QStringLiteral("01632 %1").arg(100000 + i % 900000)
              << QStringLiteral("contact%1@example.invalid").arg(i) << firstKeys[f] << surnameKeys[s]
              << companyKeys[c];
    }
    return lines;
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    VeskorEngine engine;
    ProgramState state;
    state.EngineLanguage = 1;
    state.DemoLines = TextLines(demoLines(engine));

    CapturePage page(engine, state);
    page.show();
    QElapsedTimer timer;
    timer.start();
    page.BuildContactGrid();
    QApplication::processEvents();  // the view's own reaction to the new rows counts too
    const double buildMs = double(timer.nsecsElapsed()) / 1e6;

    // A contact close to stored ones, so the check lists real candidates.
    std::vector<double> checks;
    qsizetype found = 0;
    for (int run = 0; run < kChecks; ++run) {
        timer.restart();
        const ContactKeys keys = deriveContactKeys(engine, state.EngineLanguage, QStringLiteral("Rosalinde"),
                                                   QStringLiteral("Rushmeer"), QStringLiteral("Kettlewel Brewing Limited"));
        found = findDuplicateRows(engine, *page.sgDemo(), keys, state.SearchOptions, -1).size();
        checks.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(checks.begin(), checks.end());

    // A language change, then a check at once: the check re-keys whatever idle
    // time has not, so this is the worst case. Every surname and company is
    // made distinct first, so no key is derived once for many rows.
    TAdvStringGrid &grid = *page.sgDemo();
    for (int row = 1; row < grid.rowCount() - 1; ++row) {
        QString tag;
        for (int n = row; n > 0; n /= 26)
            tag.append(QChar(u'a' + n % 26));
        grid.setCell(row, contact::kSurnameColumn, grid.cell(row, contact::kSurnameColumn) + tag);
        grid.setCell(row, contact::kCompanyColumn, grid.cell(row, contact::kCompanyColumn) + QLatin1Char(' ') + tag);
    }
    state.EngineLanguage = 3;
    page.engineLanguageChanged(3);
    timer.restart();
    // The fields show contact 1, which the check finds; with no dialog set up it ends there.
    page.CheckForDuplicates(CaptureMode::Add);
    const double firstCheckMs = double(timer.nsecsElapsed()) / 1e6;

    // The same change left to idle time: how long until the keys are current,
    // and the longest time the event loop waited for one slice.
    state.EngineLanguage = 4;
    page.engineLanguageChanged(4);
    QElapsedTimer idle, gap;
    idle.start();
    gap.start();
    qint64 longestSliceNs = 0;
    while (!page.keysAreCurrent()) {
        gap.restart();
        QApplication::processEvents(QEventLoop::AllEvents);
        longestSliceNs = std::max(longestSliceNs, gap.nsecsElapsed());
    }
    const double idleMs = double(idle.nsecsElapsed()) / 1e6;

    std::printf("cores (nproc): %u\n", std::thread::hardware_concurrency());
    std::printf("contacts: %d (grid rows %d)\n", kContacts, page.sgDemo()->rowCount());
    std::printf("BuildContactGrid: %.1f ms (target < 1500 ms)\n", buildMs);
    std::printf("duplicate check: median %.1f ms, best %.1f ms of %d (target < 250 ms), %lld candidates\n",
                checks[checks.size() / 2], checks.front(), kChecks, static_cast<long long>(found));
    std::printf("first check right after a language change (all %d contacts re-keyed in it): %.1f ms\n",
                kContacts, firstCheckMs);
    std::printf("idle re-keying of %d contacts: %.1f ms in all, longest slice %.1f ms\n", kContacts, idleMs,
                double(longestSliceNs) / 1e6);

    // The bare grid at the same scale: 100,000 x 17 cells filled, then one row deleted near the top.
    TAdvStringGrid bareGrid;
    timer.restart();
    fillLarge(bareGrid, kContacts);
    const double fillMs = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    DeleteGridRow(&bareGrid, 2, 1);
    const double deleteMs = double(timer.nsecsElapsed()) / 1e6;
    std::printf("grid fill, %d x 17 cells: %.1f ms; one row deleted: %.1f ms\n", kContacts, fillMs, deleteMs);
    engine.finish();
    return 0;
}
