#pragma once
// Which name checks the duplicate search uses and the lowest score each accepts.
#include "core/ProgramState.h"
#include "widgets/FixedDialog.h"

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tarnwick {

class TrackBar;

class TfrmSearchOptions : public ui::FixedDialog {
    Q_OBJECT
public:
    TfrmSearchOptions(ProgramState &state, QWidget *parent = nullptr);
    void applyLanguage(int language) override;

    // Loads the stored options into the controls, every time the dialog shows.
    void FormActivate();
    void btnOkClick();
    void btnCancelClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Row {
        QCheckBox *check = nullptr;
        TrackBar *bar = nullptr;
        QLabel *percent = nullptr;
    };
    ProgramState &m_state;
    std::array<Row, 3> m_rows;  // forename, surname, company
    QPushButton *m_btnOk = nullptr;
    QPushButton *m_btnCancel = nullptr;
};

}  // namespace tarnwick
