#pragma once
#include "widgets/FixedDialog.h"

namespace tarnwick {

class TfrmDupes : public ui::FixedDialog {
    Q_OBJECT
public:
    explicit TfrmDupes(QWidget *parent = nullptr);
    void applyLanguage(int language) override;
};

}  // namespace tarnwick
