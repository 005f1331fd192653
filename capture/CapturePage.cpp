#include "CapturePage.h"

#include "ContactGrid.h"
#include "ContactListFile.h"
#include "ContactRekeyer.h"
#include "TfrmDupes.h"
#include "TfrmListDupes.h"
#include "TfrmSearchOptions.h"
#include "i18n/Catalogue.h"
#include "core/ProgramState.h"
#include "widgets/TAdvStringGrid.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Messages.h"
#include "widgets/Panels.h"
#include "widgets/Pictures.h"

#include <QElapsedTimer>
#include <QFileDialog>
#include <QThread>
#include <QToolButton>

namespace tarnwick {
namespace {

struct GlyphButton {
    const char *name;
    const char *glyph;
    const char *hint;
    int hintKey;
    void (CapturePage::*click)();
};
constexpr int kButtonCount = 10;
const GlyphButton kButtons[kButtonCount] = {
    {"sbFirst", "first", "First record", 128, &CapturePage::sbFirstClick},
    {"sbPrev", "prev", "Previous record", 129, &CapturePage::sbPrevClick},
    {"sbNext", "next", "Next record", 130, &CapturePage::sbNextClick},
    {"sbLast", "last", "Last record", 131, &CapturePage::sbLastClick},
    {"sbAdd", "add", "Add a record", 132, &CapturePage::sbAddClick},
    {"sbDelete", "delete", "Delete a record", 133, &CapturePage::sbDeleteClick},
    {"sbUpdate", "amend", "Amend a record", 134, &CapturePage::sbUpdateClick},
    {"sbSearchOptions", "search_options", "Search Options", 140, &CapturePage::sbSearchOptionsClick},
    {"sbOpenList", "open_list", "Open a contact list", 164, &CapturePage::sbOpenListClick},
    {"sbFindDuplicates", "find_duplicates", "Find all duplicates in the list", 165, &CapturePage::sbFindDuplicatesClick},
};

constexpr int kButtonSide = 26;
// Idle re-keying gives the event loop back after this long, so typing and
// painting never wait for it.
constexpr qint64 kRekeySliceNs = 8'000'000;
// The demo file's keys are made in the language the program starts in.
constexpr int kStartLanguage = 1;
// Rows named one by one when a list had rows that could not be used.
constexpr int kRejectionsShown = 20;

}  // namespace

CapturePage::CapturePage(Engine &engine, ProgramState &state, QWidget *parent)
    : QWidget(parent), m_engine(engine), m_state(state)
{
    setObjectName(QStringLiteral("TabSheet3"));
    resize(636, 460);
    setFont(ui::baseFont());
    QFrame *panel5 = ui::pageFrame(this);
    panel5->setObjectName(QStringLiteral("Panel5"));
    QFrame *panel13 = ui::panel(panel5, QRect(4, 4, 624, 448), ui::Bevel::Lowered);
    panel13->setObjectName(QStringLiteral("Panel13"));

    m_fields = std::make_unique<ContactFieldsView>(panel13, panel13->width(), false);
    const int firstSeparator = 8 + ContactFieldsView::kHeight + 6;
    ui::separator(panel13, QRect(8, firstSeparator, panel13->width() - 16, 2));
    const int buttonsY = firstSeparator + 6;
    buildButtons(panel13, buttonsY);
    const int secondSeparator = buttonsY + kButtonSide + 6;
    ui::separator(panel13, QRect(8, secondSeparator, panel13->width() - 16, 2));

    m_grid = new TAdvStringGrid(panel13);
    m_grid->setObjectName(QStringLiteral("sgDemo"));
    m_grid->setGeometry((panel13->width() - 579) / 2, secondSeparator + 6, 579, 225);
    m_grid->setColumnsResizable(true);
    setInfoBackground(m_grid);
    shapeContactGrid(m_grid, 2);
    connect(m_grid, &TAdvStringGrid::rowChosen, this, [this] { guarded(this, [this] { sgDemoClick(); }); });
    m_rekeyer = std::make_unique<ContactRekeyer>(m_engine, *m_grid, kStartLanguage);
    m_listDupes = new TfrmListDupes(m_engine, this);
    askListPath = [this] {
        return QFileDialog::getOpenFileName(this, CatalogueText(CurrentLanguage, 164), QString(),
                                            CatalogueText(CurrentLanguage, 195) + QStringLiteral(" (*.csv *.txt);;*"));
    };
    m_rekeyTimer.setInterval(0);
    connect(&m_rekeyTimer, &QTimer::timeout, this, [this] { guarded(this, [this] { rekeySlice(); }); });

    // Design-time texts; building the page must not change the catalogue's language.
    const int catalogueLanguage = CatalogueLanguage;
    applyLanguage(1);
    CatalogueLanguage = catalogueLanguage;
}

CapturePage::~CapturePage() = default;

void CapturePage::buildButtons(QWidget *parent, int y)
{
    // Navigation, then the record actions, then the options: three groups.
    const int groupGap = 12;
    const int width = kButtonCount * kButtonSide + 2 * groupGap;
    int x = (parent->width() - width) / 2;
    for (int i = 0; i < kButtonCount; ++i) {
        if (i == 4 || i == 7)
            x += groupGap;
        const GlyphButton &button = kButtons[i];
        auto *b = new QToolButton(parent);
        b->setObjectName(QLatin1String(button.name));
        b->setIcon(ui::svgIcon(QLatin1String(button.glyph)));
        b->setIconSize(QSize(20, 20));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setToolTip(QLatin1String(button.hint));
        b->setGeometry(x, y, kButtonSide, kButtonSide);
        const auto click = button.click;
        connect(b, &QToolButton::clicked, this, [this, click] { guarded(this, [this, click] { (this->*click)(); }); });
        m_buttons[i] = b;
        x += kButtonSide;
    }
}

void CapturePage::setDialogs(TfrmSearchOptions *searchOptions, TfrmDupes *dupes)
{
    m_searchOptions = searchOptions;
    m_dupes = dupes;
}

void CapturePage::applyLanguage(int language)
{
    m_fields->applyLanguage(language);
    for (int i = 0; i < kButtonCount; ++i)
        m_buttons[i]->setToolTip(CatalogueText(language, kButtons[i].hintKey));
    FillContactHeaders(m_grid, language);
    m_listDupes->applyLanguage(language);
}

void CapturePage::BuildContactGrid()
{
    // The demo lines were unscrambled when the file was read.
    const int count = loadContactRows(m_grid, m_state.DemoLines);
    FillContactHeaders(m_grid, CurrentLanguage);
    m_state.LastContactId = count;
    m_rekeyer = std::make_unique<ContactRekeyer>(m_engine, *m_grid, kStartLanguage);
    engineLanguageChanged(m_state.EngineLanguage);
    m_grid->setCurrentRow(1);
    ShowCurrentContact();
}

void CapturePage::engineLanguageChanged(int language)
{
    m_rekeyer->setLanguage(language);
    if (!m_rekeyer->isCurrent())
        m_rekeyTimer.start();
}

bool CapturePage::keysAreCurrent() const { return m_rekeyer->isCurrent(); }

void CapturePage::rekeySlice()
{
    QElapsedTimer slice;
    slice.start();
    while (!m_rekeyer->step(64))
        if (slice.nsecsElapsed() > kRekeySliceNs)
            return;
    m_rekeyTimer.stop();
}

void CapturePage::ShowCurrentContact()
{
    const int row = m_grid->currentRow();
    if (isEntryRow(m_grid, row))
        m_fields->clear();
    else
        m_fields->setTexts(rowFields(m_grid, row));
}

void CapturePage::moveToRow(int row)
{
    if (row == m_grid->currentRow())
        return;
    m_grid->setCurrentRow(row);
    ShowCurrentContact();
}

void CapturePage::sgDemoClick() { ShowCurrentContact(); }

void CapturePage::sbFirstClick()
{
    m_grid->setCurrentRow(1);
    ShowCurrentContact();
}

void CapturePage::sbPrevClick()
{
    const int row = m_grid->currentRow();
    if (row > 1) {
        m_grid->setCurrentRow(row - 1);
        ShowCurrentContact();
    }
}

void CapturePage::sbNextClick()
{
    const int row = m_grid->currentRow();
    if (row < m_grid->rowCount() - 1) {
        m_grid->setCurrentRow(row + 1);
        ShowCurrentContact();
    }
}

void CapturePage::sbLastClick()
{
    m_grid->setCurrentRow(entryRow(m_grid));
    ShowCurrentContact();
}

void CapturePage::sbDeleteClick()
{
    const int row = m_grid->currentRow();
    if (m_grid->rowCount() <= 2 || isEntryRow(m_grid, row))
        return;
    DeleteGridRow(m_grid, row, 1);
    m_rekeyer->rowsRemoved(row, 1);
    // The row that moved up is now current; show it, so an Amend that follows
    // cannot write the deleted contact's fields over its neighbour unseen.
    ShowCurrentContact();
}

void CapturePage::sbSearchOptionsClick()
{
    if (m_searchOptions)
        m_searchOptions->exec();
}

void CapturePage::sbOpenListClick()
{
    const QString path = askListPath ? askListPath() : QString();
    if (path.isEmpty())
        return;
    // A file that cannot be used throws here, before the list in memory is touched.
    const ContactList list = readContactList(path);
    m_rekeyTimer.stop();
    m_state.LastContactId = loadContactList(m_grid, list.contacts);
    m_rekeyer->rekeyAll(m_state.EngineLanguage);
    m_rekeyTimer.start();
    m_grid->setCurrentRow(1);
    ShowCurrentContact();
    if (list.rejected.isEmpty())
        return;
    QStringList text{CatalogueText(CurrentLanguage, 176)
                         .arg(list.contacts.size())
                         .arg(list.rejected.size())};
    for (qsizetype i = 0; i < list.rejected.size() && i < kRejectionsShown; ++i)
        text.append(CatalogueText(CurrentLanguage, 177)
                        .arg(list.rejected[i].line)
                        .arg(rejectionText(CurrentLanguage, list.rejected[i])));
    if (list.rejected.size() > kRejectionsShown)
        text.append(CatalogueText(CurrentLanguage, 178).arg(list.rejected.size() - kRejectionsShown));
    Messages::show(this, {Messages::Icon::Information, CatalogueText(CurrentLanguage, 164),
                          text.join(QLatin1Char('\n'))});
}

void CapturePage::startListSearch()
{
    m_rekeyer->setLanguage(m_state.EngineLanguage);
    m_rekeyer->finish();
    m_rekeyTimer.stop();
    const int end = entryRow(m_grid);
    QList<ListedContact> contacts;
    QList<ContactKeyRow> keys;
    contacts.reserve(end - 1);
    keys.reserve(end - 1);
    for (int row = 1; row < end; ++row) {
        contacts.append({m_grid->cell(row, contact::kIdColumn), rowFields(m_grid, row)});
        keys.append({m_grid->cell(row, contact::kFirstNamePhkColumn), m_grid->cell(row, contact::kSurnamePhkColumn),
                     m_grid->cell(row, contact::kCompanyPhkColumn)});
    }
    m_listDupes->startSearch(std::move(contacts), std::move(keys), m_state.SearchOptions, listSearchThreads);
}

void CapturePage::sbFindDuplicatesClick()
{
    startListSearch();
    m_listDupes->exec();
    if (const QString id = m_listDupes->chosenId(); !id.isEmpty())
        if (const int row = findContactRow(m_grid, id); row > 0)
            moveToRow(row);
}

void CapturePage::stopBackgroundWork()
{
    m_rekeyTimer.stop();
    if (m_listDupes->isVisible())
        m_listDupes->reject();
    m_listDupes->stopSearch();
}

void CapturePage::storeNewContact(const contact::Fields &fields, const ContactKeys &keys)
{
    ++m_state.LastContactId;
    appendContact(m_grid, m_state.LastContactId, fields, keys);
}

void CapturePage::CheckForDuplicates(CaptureMode mode)
{
    const int current = m_grid->currentRow();
    if (mode == CaptureMode::Amend && isEntryRow(m_grid, current))
        return;

    // Stored keys and new keys by the same rules, whatever the idle re-keying has reached.
    m_rekeyer->setLanguage(m_state.EngineLanguage);
    m_rekeyer->finish();
    m_rekeyTimer.stop();

    const contact::Fields fields = m_fields->texts();
    const ContactKeys keys = deriveContactKeys(m_engine, m_state.EngineLanguage, fields[1], fields[2], fields[4]);
    const QList<int> rows = findDuplicateRows(m_engine, *m_grid, keys, m_state.SearchOptions,
                                              mode == CaptureMode::Amend ? current : -1);

    int outcome = mode == CaptureMode::Add ? IgnoreAndAdd : IgnoreAndUpdate;
    QString gotoId;
    if (!rows.isEmpty()) {
        if (!m_dupes)
            return;
        m_dupes->PrepareDupesDialog(fields);
        m_dupes->setCandidates(m_grid, rows);
        m_dupes->setMode(mode);
        m_state.DupesOutcome = DupesCancel;
        m_dupes->exec();
        outcome = m_state.DupesOutcome;
        gotoId = m_dupes->selectedId();
    }

    switch (outcome) {
    case GotoRecord:
        if (m_grid->rowCount() > 2)
            if (const int row = findContactRow(m_grid, gotoId); row > 0)
                moveToRow(row);
        break;
    case IgnoreAndAdd:
        storeNewContact(fields, keys);
        break;
    case IgnoreAndUpdate:
        // The row the check began on: the dialog cannot move it.
        writeContact(m_grid, current, fields, keys);
        break;
    default:
        break;
    }
}

}  // namespace tarnwick
