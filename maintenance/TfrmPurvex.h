#pragma once
// Cleansing options of the record chosen on the score page (CurrentRecord
// lines 3 to 23). Open with exec(): the controls are filled on showing, Save
// Changes writes CurrentRecord only and accepts; Cancel and the close box reject.
#include "OptionDialog.h"

#include <functional>

namespace tarnwick {

class PurvexOptionsBox;

class TfrmPurvex : public OptionDialog {
    Q_OBJECT
public:
    // category: the word of the main window's category button that is down.
    TfrmPurvex(ProgramState &state, std::function<QString()> category, QWidget *parent = nullptr);
    void applyLanguage(int language) override;

    PurvexOptionsBox *GroupBox1;

protected:
    void loadOptions() override;
    void storeOptions() override;

private:
    QString category() const;

    std::function<QString()> m_category;
};

}  // namespace tarnwick
