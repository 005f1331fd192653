#pragma once
// What the two option dialogs share: they edit CurrentRecord in place, fill
// their controls from it each time they are shown (FormActivate, once per
// showing), and Save Changes writes it back and closes. Cancel and the close
// box write nothing.
//
// With fewer than 28 lines in CurrentRecord (no record chosen yet) there is
// nothing to edit: the read stops at the first missing line with "List index
// out of bounds", the controls stay cleared and Save Changes stays disabled.
#include "core/ProgramState.h"
#include "widgets/FixedDialog.h"

class QPushButton;

namespace tarnwick {

class OptionDialog : public ui::FixedDialog {
    Q_OBJECT
public:
    void FormActivate();
    void btnSaveChangesClick();
    void btnCancelClick();

    QPushButton *btnSaveChanges;
    QPushButton *btnCancel;

protected:
    OptionDialog(const char *objectName, const QString &caption, const QSize &clientSize, ProgramState &state, QWidget *parent);
    // Activation: fill the controls from CurrentRecord; may throw part-way.
    virtual void loadOptions() = 0;
    // Save Changes: write the controls into CurrentRecord.
    virtual void storeOptions() = 0;
    void applyButtonLanguage(int language);
    void showEvent(QShowEvent *event) override;

    ProgramState &m_state;
};

}  // namespace tarnwick
