#pragma once
// The score data file editor for the current language. Open with exec(): each
// showing reads the file into EditorLines and rebuilds the grid; OK writes
// the file (atomically) and accepts, Cancel and the close box reject and write
// nothing. The caller reloads its category afterwards either way.
//
// Grid row r shows record r - 1; the last row is the empty entry row. Lines
// after the last whole record (a file whose length is not a multiple of 28)
// are kept as they are, after the records: Add inserts in front of them so
// every record stays on the 28-line boundary, and OK writes them back.
#include "core/TextLines.h"
#include "widgets/FixedDialog.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace tarnwick {

class PurvexOptionsBox;
class SonabelOptionsBox;
class StorableTextValidator;
class TAdvStringGrid;

class TfrmDataFile : public ui::FixedDialog {
    Q_OBJECT
public:
    static constexpr int kMaxGridRows = 32;  // 30 records, header and entry row

    explicit TfrmDataFile(QWidget *parent = nullptr);
    void applyLanguage(int language) override;
    // Every way of closing ends here: the working list is freed.
    void done(int result) override;

    // Handlers, bound to their controls; public so tests can drive them.
    void FormActivate();
    void FormDeactivate();
    void btnOkClick();
    void btnCancelClick();
    void sbFirstClick();
    void sbPrevClick();
    void sbNextClick();
    void sbLastClick();
    void sbAddClick();
    void sbDeleteClick();
    void sbAmendClick();
    void sgScoreClick();
    void radNamesClick();
    void radBusinessClick();
    void radAddressClick();

    void ClearRecordFields();
    void ShowRecord();
    QStringList RecordFromFields() const;

    const TextLines &editorLines() const { return EditorLines; }

    QRadioButton *radNames, *radBusiness, *radAddress;
    PurvexOptionsBox *GroupBox1;
    SonabelOptionsBox *GroupBox2;
    QLabel *Label1, *Label2;
    QLineEdit *txtItem1, *txtItem2;
    QToolButton *sbFirst, *sbPrev, *sbNext, *sbLast, *sbAdd, *sbDelete, *sbAmend;
    TAdvStringGrid *sgScore;
    QPushButton *btnOk, *btnCancel;

protected:
    void showEvent(QShowEvent *event) override;

private:
    enum class FileState { Read, Missing, Unreadable };

    void LoadEditorMessages();
    void ApplyCategoryRules();
    void BuildGrid();
    QString categoryWord() const;
    int recordCount() const;
    bool isRecordRow(int row) const;
    void moveTo(int row);
    // Refuses a record with an empty item or a text the file cannot store;
    // returns whether it may be stored.
    bool acceptRecord(const QStringList &record, const QString &title);
    void showRecordCells(int row, const QStringList &record);

    TextLines EditorLines;
    FileState m_fileState = FileState::Missing;
    QString m_msgTooMany, m_msgTwoItems, m_titleAdd, m_titleModify;
    StorableTextValidator *m_validator;
    QGroupBox *GroupBox4, *GroupBox3;
};

}  // namespace tarnwick
