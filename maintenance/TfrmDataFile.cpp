#include "TfrmDataFile.h"

#include "PurvexOptionsBox.h"
#include "SonabelOptionsBox.h"
#include "StorableTextValidator.h"
#include "widgets/TAdvStringGrid.h"
#include "i18n/Catalogue.h"
#include "core/DtaFile.h"
#include "core/LineScrambler.h"
#include "core/ProgramState.h"
#include "core/ScoreRecord.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Pictures.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QToolButton>

namespace tarnwick {

namespace {

namespace R = ScoreRecord;

QString itemHeading(int language, int n) { return CatalogueText(language, 89) + QStringLiteral(" %1").arg(n); }

template <typename W>
W *named(W *w, const char *name, const QRect &geometry)
{
    w->setObjectName(QLatin1String(name));
    w->setGeometry(geometry);
    return w;
}

}  // namespace

TfrmDataFile::TfrmDataFile(QWidget *parent)
    : ui::FixedDialog("TfrmDataFile", QStringLiteral("Data File"), QSize(600, 433), parent),
      m_validator(new StorableTextValidator(this))
{
    GroupBox4 = named(new QGroupBox(QStringLiteral("Category"), this), "GroupBox4", QRect(8, 4, 321, 44));
    radNames = named(new QRadioButton(QStringLiteral("Names"), GroupBox4), "radNames", QRect(10, 18, 100, 19));
    radBusiness = named(new QRadioButton(QStringLiteral("Business"), GroupBox4), "radBusiness", QRect(112, 18, 100, 19));
    radAddress = named(new QRadioButton(QStringLiteral("Address"), GroupBox4), "radAddress", QRect(214, 18, 100, 19));
    radNames->setChecked(true);

    GroupBox1 = new PurvexOptionsBox(this, QPoint(8, 54), [this] { return radNames->isChecked(); });
    GroupBox1->refuseUnstorable(m_validator);
    GroupBox2 = new SonabelOptionsBox(this, "GroupBox2", QRect(336, 4, 256, 81), SonabelOptionsBox::Arrangement::TwoColumns);

    GroupBox3 = named(new QGroupBox(QStringLiteral("Data Items"), this), "GroupBox3", QRect(336, 90, 257, 297));
    Label1 = named(new QLabel(QStringLiteral("Item 1"), GroupBox3), "Label1", QRect(10, 22, 64, 17));
    txtItem1 = named(new QLineEdit(GroupBox3), "txtItem1", QRect(76, 20, 171, 21));
    Label2 = named(new QLabel(QStringLiteral("Item 2"), GroupBox3), "Label2", QRect(10, 49, 64, 17));
    txtItem2 = named(new QLineEdit(GroupBox3), "txtItem2", QRect(76, 47, 171, 21));
    for (QLineEdit *item : {txtItem1, txtItem2})
        m_validator->attach(item);

    const auto pictureButton = [this](const char *name, const QString &picture, int slot) {
        auto *b = named(new QToolButton(GroupBox3), name, QRect(6 + slot * 35, 78, 35, 25));
        b->setIcon(ui::svgIcon(picture));
        b->setIconSize(QSize(16, 16));
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    sbFirst = pictureButton("sbFirst", QStringLiteral("first"), 0);
    sbPrev = pictureButton("sbPrev", QStringLiteral("prev"), 1);
    sbNext = pictureButton("sbNext", QStringLiteral("next"), 2);
    sbLast = pictureButton("sbLast", QStringLiteral("last"), 3);
    sbAdd = pictureButton("sbAdd", QStringLiteral("add"), 4);
    sbDelete = pictureButton("sbDelete", QStringLiteral("delete"), 5);
    sbAmend = pictureButton("sbAmend", QStringLiteral("amend"), 6);

    sgScore = named(new TAdvStringGrid(GroupBox3), "sgScore", QRect(8, 112, 241, 169));
    sgScore->setColumnCount(4);
    sgScore->setRowCount(2);
    sgScore->setDefaultRowHeight(17);
    sgScore->setDefaultColumnWidth(75);
    sgScore->setColumnWidth(0, 15);

    btnOk = named(new QPushButton(QStringLiteral("OK"), this), "btnOk", QRect(436, 400, 75, 25));
    btnCancel = named(new QPushButton(QStringLiteral("Cancel"), this), "btnCancel", QRect(517, 400, 75, 25));
    btnOk->setDefault(true);
    btnCancel->setAutoDefault(false);

    // FormCreate: the header row.
    sgScore->setCell(0, 1, QStringLiteral("Item 1"));
    sgScore->setCell(0, 2, QStringLiteral("Item 2"));
    sgScore->setCell(0, 3, QStringLiteral("Category"));

    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(sbFirst, &QToolButton::clicked, this, [this] { sbFirstClick(); });
    connect(sbPrev, &QToolButton::clicked, this, [this] { sbPrevClick(); });
    connect(sbNext, &QToolButton::clicked, this, [this] { sbNextClick(); });
    connect(sbLast, &QToolButton::clicked, this, [this] { sbLastClick(); });
    connect(sbAdd, &QToolButton::clicked, this, [this] { sbAddClick(); });
    connect(sbDelete, &QToolButton::clicked, this, [this] { sbDeleteClick(); });
    connect(sbAmend, &QToolButton::clicked, this, [this] { sbAmendClick(); });
    connect(sgScore, &TAdvStringGrid::rowChosen, this, [this] { sgScoreClick(); });
    // A radio button's handler runs when it becomes selected.
    connect(radNames, &QRadioButton::toggled, this, [this] {
        if (radNames->isChecked())
            radNamesClick();
    });
    connect(radBusiness, &QRadioButton::toggled, this, [this] {
        if (radBusiness->isChecked())
            radBusinessClick();
    });
    connect(radAddress, &QRadioButton::toggled, this, [this] {
        if (radAddress->isChecked())
            radAddressClick();
    });
}

void TfrmDataFile::applyLanguage(int language)
{
    setWindowTitle(CatalogueText(language, 50));
    GroupBox4->setTitle(CatalogueText(language, 51));
    GroupBox4->setToolTip(CatalogueText(language, 251));
    radNames->setText(CatalogueText(language, 20));
    radBusiness->setText(CatalogueText(language, 21));
    radAddress->setText(CatalogueText(language, 22));
    GroupBox1->applyLanguage(language);
    GroupBox2->applyLanguage(language, 283);
    GroupBox3->setTitle(CatalogueText(language, 88));
    GroupBox3->setToolTip(CatalogueText(language, 288));
    Label1->setText(itemHeading(language, 1));
    Label2->setText(itemHeading(language, 2));
    int hint = 128;
    for (QToolButton *b : {sbFirst, sbPrev, sbNext, sbLast, sbAdd, sbDelete, sbAmend})
        b->setToolTip(CatalogueText(language, hint++));
    sgScore->setCell(0, 1, itemHeading(language, 1));
    sgScore->setCell(0, 2, itemHeading(language, 2));
    sgScore->setCell(0, 3, CatalogueText(language, 51));
    btnOk->setText(CatalogueText(language, 90));
    btnCancel->setText(CatalogueText(language, 91));
}

void TfrmDataFile::showEvent(QShowEvent *event)
{
    ui::FixedDialog::showEvent(event);
    // A spontaneous show (restored from the task bar) is not a new showing.
    if (!event->spontaneous())
        FormActivate();
}

void TfrmDataFile::done(int result)
{
    FormDeactivate();
    ui::FixedDialog::done(result);
}

void TfrmDataFile::LoadEditorMessages()
{
    m_msgTwoItems = CatalogueText(CatalogueLanguage, 93);
    m_msgTooMany = CatalogueText(CatalogueLanguage, 92);
    m_titleAdd = CatalogueText(CatalogueLanguage, 94);
    m_titleModify = CatalogueText(CatalogueLanguage, 95);
}

void TfrmDataFile::FormActivate()
{
    LoadEditorMessages();
    guarded(this, [this] {
        ClearRecordFields();
        ApplyCategoryRules();
    });
    EditorLines.clear();
    const QString fileName = R::scoreFileName(CurrentLanguage);
    m_fileState = QFileInfo::exists(fileName) ? FileState::Unreadable : FileState::Missing;
    // A file that cannot be read leaves an empty list, and the grid is still
    // rebuilt from it so rows and records stay in step.
    guarded(this, [&] {
        EditorLines = TextLines(readDtaFile(fileName));
        m_fileState = FileState::Read;
    });
    BuildGrid();
    guarded(this, [this] {
        if (sgScore->rowCount() > 2)
            ShowRecord();
    });
}

void TfrmDataFile::BuildGrid()
{
    const int records = recordCount();
    sgScore->beginUpdate();
    sgScore->setDefaultRowHeight(17);
    sgScore->setDefaultColumnWidth(75);
    sgScore->setRowCount(records + 2);
    sgScore->setColumnCount(4);
    sgScore->setColumnWidth(0, 15);
    for (int r = 0; r < records; ++r)
        showRecordCells(r + 1, EditorLines.mid(qsizetype(r) * R::kLength, 3));
    sgScore->clearRow(sgScore->rowCount() - 1);
    sgScore->endUpdate();
    sgScore->setCurrentRow(1);
}

void TfrmDataFile::FormDeactivate() { EditorLines.clear(); }

int TfrmDataFile::recordCount() const { return int(EditorLines.size() / R::kLength); }

bool TfrmDataFile::isRecordRow(int row) const { return sgScore->rowCount() > 2 && row >= 1 && row < sgScore->rowCount() - 1; }

QString TfrmDataFile::categoryWord() const
{
    if (radBusiness->isChecked())
        return R::kBusiness;
    if (radAddress->isChecked())
        return R::kAddress;
    return R::kName;
}

void TfrmDataFile::ApplyCategoryRules() { GroupBox1->ApplyCategoryRules(categoryWord(), true); }

void TfrmDataFile::radNamesClick()
{
    guarded(this, [this] { ApplyCategoryRules(); });
}
void TfrmDataFile::radBusinessClick()
{
    guarded(this, [this] { ApplyCategoryRules(); });
}
void TfrmDataFile::radAddressClick()
{
    guarded(this, [this] { ApplyCategoryRules(); });
}

void TfrmDataFile::ClearRecordFields()
{
    txtItem1->clear();
    txtItem2->clear();
    radNames->setChecked(true);
    GroupBox1->ClearOptions();
    GroupBox2->ClearOptions();
}

void TfrmDataFile::ShowRecord()
{
    const int row = sgScore->currentRow();
    if (!isRecordRow(row)) {
        if (row == sgScore->rowCount() - 1)
            ClearRecordFields();
        return;
    }
    const qsizetype b = qsizetype(row - 1) * R::kLength;
    txtItem1->setText(EditorLines.at(b + R::Item1));
    txtItem2->setText(EditorLines.at(b + R::Item2));
    // Setting a text leaves the cursor at its end; a long item should show its start.
    txtItem1->setCursorPosition(0);
    txtItem2->setCursorPosition(0);
    const QString &category = EditorLines.at(b + R::Category);
    if (category == R::kName)
        radNames->setChecked(true);
    else if (category == R::kBusiness)
        radBusiness->setChecked(true);
    else if (category == R::kAddress)
        radAddress->setChecked(true);
    GroupBox1->ShowOptions(EditorLines, b);
    GroupBox2->ShowOptions(EditorLines, b, {R::DeleteVowels, R::RemoveInitials, R::RemoveNumbers, R::Compact});
}

QStringList TfrmDataFile::RecordFromFields() const
{
    QStringList record{txtItem1->text(), txtItem2->text(), categoryWord()};
    record.append(GroupBox1->optionLines());
    record.append(GroupBox2->optionLines());
    return record;
}

void TfrmDataFile::showRecordCells(int row, const QStringList &record)
{
    for (int c = 0; c < 3; ++c)
        sgScore->setCell(row, c + 1, record.at(c));
}

bool TfrmDataFile::acceptRecord(const QStringList &record, const QString &title)
{
    if (record.at(R::Item1).isEmpty() || record.at(R::Item2).isEmpty()) {
        Messages::show(this, {Messages::Icon::None, title, m_msgTwoItems});
        return false;
    }
    // Typing is filtered already; this catches text that arrived another way.
    const qsizetype line = firstUnstorableLine(record);
    if (line >= 0) {
        const QString &text = record.at(line);
        const QChar c = text.at(firstUnstorableChar(text));
        Messages::show(this, {Messages::Icon::None, title,
                              CatalogueText(CurrentLanguage, 160).arg(c, text)});
        return false;
    }
    return true;
}

void TfrmDataFile::sbAddClick()
{
    guarded(this, [this] {
        if (sgScore->rowCount() >= kMaxGridRows) {
            Messages::show(this, {Messages::Icon::None, m_titleAdd, m_msgTooMany});
            return;
        }
        const QStringList record = RecordFromFields();
        if (!acceptRecord(record, m_titleAdd))
            return;
        // In front of any lines that follow the last whole record.
        QStringList &lines = EditorLines.lines();
        const qsizetype at = qsizetype(recordCount()) * R::kLength;
        for (qsizetype i = 0; i < record.size(); ++i)
            lines.insert(at + i, record.at(i));
        const int row = sgScore->rowCount() - 1;
        showRecordCells(row, record);
        sgScore->setRowCount(row + 2);
        sgScore->clearRow(row + 1);
        sgScore->setCurrentRow(row);
    });
}

void TfrmDataFile::sbAmendClick()
{
    guarded(this, [this] {
        const int row = sgScore->currentRow();
        if (!isRecordRow(row))
            return;
        const QStringList record = RecordFromFields();
        if (!acceptRecord(record, m_titleModify))
            return;
        EditorLines.replace(qsizetype(row - 1) * R::kLength, record);
        showRecordCells(row, record);
    });
}

void TfrmDataFile::sbDeleteClick()
{
    guarded(this, [this] {
        const int row = sgScore->currentRow();
        if (!isRecordRow(row))
            return;
        EditorLines.remove(qsizetype(row - 1) * R::kLength, R::kLength);
        DeleteGridRow(sgScore, row, 1);
        // The row that moved up is now current; an Amend that follows must
        // not write the deleted record's fields over it.
        ShowRecord();
    });
}

void TfrmDataFile::moveTo(int row)
{
    sgScore->setCurrentRow(row);
    ShowRecord();
}

void TfrmDataFile::sbFirstClick()
{
    guarded(this, [this] { moveTo(1); });
}

void TfrmDataFile::sbPrevClick()
{
    guarded(this, [this] {
        const int row = sgScore->currentRow();
        moveTo(row > 1 ? row - 1 : row);
    });
}

void TfrmDataFile::sbNextClick()
{
    guarded(this, [this] {
        const int row = sgScore->currentRow();
        moveTo(row < sgScore->rowCount() - 1 ? row + 1 : row);
    });
}

void TfrmDataFile::sbLastClick()
{
    guarded(this, [this] { moveTo(sgScore->rowCount() - 1); });
}

void TfrmDataFile::sgScoreClick()
{
    guarded(this, [this] { ShowRecord(); });
}

void TfrmDataFile::btnOkClick()
{
    guarded(this, [this] {
        const QString fileName = R::scoreFileName(CurrentLanguage);
        // A file that exists but could not be read is not replaced by what the
        // editor showed instead of it.
        if (m_fileState == FileState::Unreadable && QFileInfo::exists(fileName))
            throw Failure(CatalogueText(CurrentLanguage, 161).arg(fileName));
        // The list itself stays plain: the scrambling happens on the bytes written.
        writeDtaFile(fileName, EditorLines.lines());
        accept();
    });
}

void TfrmDataFile::btnCancelClick() { reject(); }

}  // namespace tarnwick
