#include "TfrmSearchOptions.h"

#include "TrackBar.h"
#include "i18n/Catalogue.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Panels.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace tarnwick {
namespace {

struct RowNames {
    const char *check;
    const char *bar;
    const char *label;
    const char *caption;
    int captionKey;
    int hintKey;
};
constexpr RowNames kRowNames[] = {{"chkForename", "tbForeName", "lblForename", "Forename", 141, 298},
                                  {"chkSurname", "tbSurname", "lblSurname", "Surname", 142, 299},
                                  {"chkCompany", "tbCompany", "lblCompany", "Company", 76, 276}};

QFrame *verticalLine(QWidget *parent, const QRect &geometry)
{
    auto *line = new QFrame(parent);
    line->setGeometry(geometry);
    line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    return line;
}

}  // namespace

TfrmSearchOptions::TfrmSearchOptions(ProgramState &state, QWidget *parent)
    : ui::FixedDialog("TfrmSearchOptions", QStringLiteral("Search Options"), QSize(385, 169), parent), m_state(state)
{
    QFrame *frame = ui::panel(this, QRect(8, 8, 369, 117), ui::Bevel::Lowered);
    frame->setObjectName(QStringLiteral("GroupBox1"));
    constexpr int kRowHeight = 37;
    for (int i = 0; i < 3; ++i) {
        const RowNames &n = kRowNames[i];
        const int y = 3 + i * kRowHeight;
        Row &row = m_rows[i];
        row.check = new QCheckBox(QLatin1String(n.caption), frame);
        row.check->setObjectName(QLatin1String(n.check));
        row.check->setGeometry(8, y + 8, 92, 20);
        verticalLine(frame, QRect(102, y + 3, 2, 31));
        row.bar = new TrackBar(frame);
        row.bar->setObjectName(QLatin1String(n.bar));
        row.bar->setGeometry(108, y + 3, 180, 31);
        row.bar->setRange(0, 100);
        row.bar->setPageStep(10);
        row.bar->setSingleStep(1);
        row.bar->setTickPosition(QSlider::TicksBelow);
        row.bar->setTickInterval(10);
        row.bar->setSelection(70, 70);
        row.bar->setValue(0);
        verticalLine(frame, QRect(292, y + 3, 2, 31));
        row.percent = new QLabel(QStringLiteral("0%"), frame);
        row.percent->setObjectName(QLatin1String(n.label));
        QFont bold = row.percent->font();
        bold.setBold(true);
        row.percent->setFont(bold);
        row.percent->setAlignment(Qt::AlignCenter);
        row.percent->setGeometry(298, y + 10, 64, 16);
        QLabel *percent = row.percent;
        connect(row.bar, &QSlider::valueChanged, percent,
                [percent](int value) { percent->setText(QString::number(value) + QLatin1Char('%')); });
    }

    m_btnOk = new QPushButton(QStringLiteral("OK"), this);
    m_btnOk->setObjectName(QStringLiteral("btnOk"));
    m_btnOk->setGeometry(216, 134, 75, 25);
    m_btnOk->setDefault(true);
    m_btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    m_btnCancel->setGeometry(296, 134, 75, 25);
    m_btnCancel->setAutoDefault(false);
    connectGuarded(m_btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connectGuarded(m_btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    applyLanguage(1);
}

void TfrmSearchOptions::applyLanguage(int language)
{
    const auto text = [language](int key) { return CatalogueText(language, key); };
    setWindowTitle(text(140));
    for (int i = 0; i < 3; ++i) {
        m_rows[i].check->setText(text(kRowNames[i].captionKey));
        m_rows[i].check->setToolTip(text(kRowNames[i].hintKey));
    }
    m_btnOk->setText(text(90));
    m_btnOk->setToolTip(text(290));
    m_btnCancel->setText(text(91));
    m_btnCancel->setToolTip(text(291));
}

void TfrmSearchOptions::showEvent(QShowEvent *event)
{
    // Loaded once per showing rather than on every activation, so switching
    // to another window and back does not throw away the moves made so far.
    guarded(this, [this] { FormActivate(); });
    ui::FixedDialog::showEvent(event);
}

void TfrmSearchOptions::FormActivate()
{
    const DuplicateSearchOptions &o = m_state.SearchOptions;
    m_rows[0].check->setChecked(o.ForenameCheck);
    m_rows[1].check->setChecked(o.SurnameCheck);
    m_rows[2].check->setChecked(o.CompanyCheck);
    m_rows[0].bar->setValue(o.ForenameThreshold);
    m_rows[1].bar->setValue(o.SurnameThreshold);
    m_rows[2].bar->setValue(o.CompanyThreshold);
}

void TfrmSearchOptions::btnOkClick()
{
    DuplicateSearchOptions &o = m_state.SearchOptions;
    o.ForenameCheck = m_rows[0].check->isChecked();
    o.SurnameCheck = m_rows[1].check->isChecked();
    o.CompanyCheck = m_rows[2].check->isChecked();
    o.ForenameThreshold = m_rows[0].bar->value();
    o.SurnameThreshold = m_rows[1].bar->value();
    o.CompanyThreshold = m_rows[2].bar->value();
    accept();
}

void TfrmSearchOptions::btnCancelClick() { reject(); }

}  // namespace tarnwick
