#include "WindowTour.h"

#include "app/LanguagePage.h"
#include "app/Program.h"
#include "app/TForm1.h"
#include "capture/CapturePage.h"
#include "capture/ContactGrid.h"
#include "capture/TfrmDupes.h"
#include "capture/TfrmListDupes.h"
#include "capture/TfrmSearchOptions.h"
#include "core/ProgramState.h"
#include "widgets/TAdvStringGrid.h"
#include "maintenance/TfrmDataFile.h"
#include "maintenance/TfrmPurvex.h"
#include "maintenance/TfrmSonabel.h"

#include <QToolButton>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTabWidget>

namespace tarnwick {
namespace {

constexpr const char *kLanguageCodes[] = {"en", "fr", "de", "it", "es"};

// Lets queued work (activation, layout, paint) run without a fixed sleep.
void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The Duplicates dialog as a capture shows it: the first contact against the
// next few, with Ignore && Add offered.
void prepareDupes(Program &program)
{
    const auto *grid = program.mainWindow().capturePage()->findChild<TAdvStringGrid *>(QStringLiteral("sgDemo"));
    QList<int> rows;
    for (int row = 1; row < grid->rowCount() - 1 && rows.size() < 4; ++row)
        rows.append(row);
    if (rows.isEmpty())
        return;
    program.dupes().PrepareDupesDialog(rowFields(grid, rows.first()));
    program.dupes().setCandidates(grid, rows);
    program.dupes().setMode(CaptureMode::Add);
}

// The whole-list search's window with its result: the search runs on this
// thread's engine only, since a test's engine may not be shared by threads.
TfrmListDupes &prepareListDupes(Program &program)
{
    CapturePage *page = program.mainWindow().capturePage();
    page->listSearchThreads = 1;
    page->startListSearch();
    const QDeadlineTimer deadline(10000);
    while (page->listDupes()->isSearching() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return *page->listDupes();
}

}  // namespace

QString WindowView::fileStem() const
{
    return QStringLiteral("%1-%2-%3").arg(name, page, QLatin1String(kLanguageCodes[qBound(1, language, 5) - 1]));
}

void tourWindows(Program &program, const std::function<void(const WindowView &)> &visit)
{
    TForm1 &form = program.mainWindow();
    form.show();
    settle();
    QWidget *dialogs[] = {&program.sonabel(), &program.purvex(), &program.searchOptions(), &program.dataFile(),
                          &program.dupes(), form.capturePage()->listDupes()};
    for (int language = 1; language <= 5; ++language) {
        form.pages()->setCurrentIndex(0);
        form.languagePage()->button(language)->click();
        settle();
        for (int page = 0; page < form.pages()->count(); ++page) {
            form.pages()->setCurrentIndex(page);
            settle();
            visit({&form, form.objectName(), form.pages()->widget(page)->objectName(), language});
        }
        prepareDupes(program);
        prepareListDupes(program);
        for (QWidget *dialog : dialogs) {
            dialog->show();
            settle();
            visit({dialog, dialog->objectName(), QStringLiteral("dialog"), language});
            dialog->hide();
            settle();
        }
    }
    form.pages()->setCurrentIndex(0);
}

}  // namespace tarnwick
