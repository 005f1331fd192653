#pragma once
#include "widgets/FixedDialog.h"

namespace tarnwick {

class TfrmPurvex : public ui::FixedDialog {
    Q_OBJECT
public:
    explicit TfrmPurvex(QWidget *parent = nullptr);
    void applyLanguage(int language) override;
};

}  // namespace tarnwick
