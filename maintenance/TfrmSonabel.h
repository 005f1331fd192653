#pragma once
#include "core/ProgramState.h"
#include "widgets/FixedDialog.h"

namespace tarnwick {

class TfrmSonabel : public ui::FixedDialog {
    Q_OBJECT
public:
    TfrmSonabel(ProgramState &state, QWidget *parent = nullptr);
    void applyLanguage(int language) override;

private:
    ProgramState &m_state;
};

}  // namespace tarnwick
