#pragma once
// Phonetic options of the record chosen on the score page (CurrentRecord
// lines 24 to 27). Open with exec(): the boxes are filled on showing, Save
// Changes writes CurrentRecord only and accepts; Cancel and the close box reject.
#include "OptionDialog.h"

namespace tarnwick {

class SonabelOptionsBox;

class TfrmSonabel : public OptionDialog {
    Q_OBJECT
public:
    TfrmSonabel(ProgramState &state, QWidget *parent = nullptr);
    void applyLanguage(int language) override;

    SonabelOptionsBox *GroupBox1;

protected:
    void loadOptions() override;
    void storeOptions() override;
};

}  // namespace tarnwick
