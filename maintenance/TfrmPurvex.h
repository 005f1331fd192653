#pragma once
#include "core/ProgramState.h"
#include "widgets/FixedDialog.h"

#include <functional>

namespace tarnwick {

class TfrmPurvex : public ui::FixedDialog {
    Q_OBJECT
public:
    // category: the word of the main window's category button that is down.
    TfrmPurvex(ProgramState &state, std::function<QString()> category, QWidget *parent = nullptr);
    void applyLanguage(int language) override;

private:
    ProgramState &m_state;
    std::function<QString()> m_category;
};

}  // namespace tarnwick
