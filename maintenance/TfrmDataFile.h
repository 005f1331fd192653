#pragma once
#include "widgets/FixedDialog.h"

namespace tarnwick {

class TfrmDataFile : public ui::FixedDialog {
    Q_OBJECT
public:
    explicit TfrmDataFile(QWidget *parent = nullptr);
    void applyLanguage(int language) override;
};

}  // namespace tarnwick
