#include "TfrmDupes.h"

#include "ContactGrid.h"
#include "i18n/Catalogue.h"
#include "widgets/TAdvStringGrid.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Panels.h"

#include <QPushButton>

namespace tarnwick {
namespace {

constexpr QSize kButtonSize(89, 33);

}  // namespace

TfrmDupes::TfrmDupes(ProgramState &state, QWidget *parent)
    : ui::FixedDialog("TfrmDupes", QStringLiteral("Duplicates"), QSize(599, 441), parent), m_state(state)
{
    QFrame *frame = ui::panel(this, QRect(4, 4, 591, 433), ui::Bevel::Single, QColor(0xD4, 0xD0, 0xC8));
    frame->setObjectName(QStringLiteral("Panel1"));
    m_fields = std::make_unique<ContactFieldsView>(frame, frame->width(), true);

    const int buttonsY = 8 + ContactFieldsView::kHeight + 4;
    const auto button = [&](QPushButton *&b, const char *name, const char *text, int place) {
        b = new QPushButton(QLatin1String(text), frame);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);  // Enter must not pick an outcome by accident
        b->setGeometry(QRect(QPoint(8 + place * (kButtonSize.width() + 4), buttonsY), kButtonSize));
    };
    button(m_sbIgnoreAdd, "sbIgnoreAdd", "Ignore && Add", 0);
    button(m_sbIgnoreUpdate, "sbIgnoreUpdate", "Ignore && Update", 0);
    button(m_dbGoto, "dbGoto", "Goto Record", 1);
    button(m_sbCancel, "sbCancel", "Cancel", 2);
    m_sbIgnoreUpdate->hide();

    const int separatorY = buttonsY + kButtonSize.height() + 4;
    ui::separator(frame, QRect(4, separatorY, frame->width() - 8, 2));

    m_grid = new TAdvStringGrid(frame);
    m_grid->setObjectName(QStringLiteral("sgDupes"));
    m_grid->setGeometry((frame->width() - 580) / 2, separatorY + 5, 580, 225);
    m_grid->setColumnsResizable(true);
    setInfoBackground(m_grid);
    shapeContactGrid(m_grid, 2);

    connectGuarded(m_sbCancel, &QPushButton::clicked, this, [this] { sbCancelClick(); });
    connectGuarded(m_dbGoto, &QPushButton::clicked, this, [this] { dbGotoClick(); });
    connectGuarded(m_sbIgnoreAdd, &QPushButton::clicked, this, [this] { sbIgnoreAddClick(); });
    connectGuarded(m_sbIgnoreUpdate, &QPushButton::clicked, this, [this] { sbIgnoreUpdateClick(); });
    // Design-time texts; building a window must not change the catalogue's language.
    const int catalogueLanguage = CatalogueLanguage;
    applyLanguage(1);
    CatalogueLanguage = catalogueLanguage;
}

TfrmDupes::~TfrmDupes() = default;

void TfrmDupes::applyLanguage(int language)
{
    const auto text = [language](int key) { return CatalogueText(language, key); };
    setWindowTitle(text(150));
    m_fields->applyLanguage(language);
    m_sbIgnoreUpdate->setText(text(151));
    m_sbIgnoreUpdate->setToolTip(text(155));
    m_sbIgnoreAdd->setText(text(153));
    m_sbIgnoreAdd->setToolTip(text(156));
    m_dbGoto->setText(text(152));
    m_dbGoto->setToolTip(text(154));
    m_sbCancel->setText(text(91));
    FillContactHeaders(m_grid, language);
}

void TfrmDupes::PrepareDupesDialog(const contact::Fields &captured)
{
    m_grid->beginUpdate();
    shapeContactGrid(m_grid, 2);  // drops every old candidate row
    m_grid->clearRow(1);
    m_grid->endUpdate();
    FillContactHeaders(m_grid, CurrentLanguage);
    m_fields->setTexts(captured);
}

void TfrmDupes::setCandidates(const TAdvStringGrid *source, const QList<int> &rows)
{
    m_grid->beginUpdate();
    m_grid->setRowCount(int(rows.size()) + 1);
    for (int i = 0; i < rows.size(); ++i)
        m_grid->setRowCells(i + 1, rowCells(source, rows[i]));
    m_grid->endUpdate();
    m_grid->setCurrentRow(1);
    m_grid->setFocus();
}

void TfrmDupes::setMode(CaptureMode mode)
{
    m_sbIgnoreAdd->setVisible(mode == CaptureMode::Add);
    m_sbIgnoreUpdate->setVisible(mode == CaptureMode::Amend);
}

QString TfrmDupes::selectedId() const { return m_grid->cell(m_grid->currentRow(), contact::kIdColumn); }

void TfrmDupes::choose(int outcome)
{
    m_state.DupesOutcome = outcome;
    accept();
}

}  // namespace tarnwick
