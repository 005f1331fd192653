#pragma once
#include "widgets/FixedDialog.h"

namespace tarnwick {

class TfrmSonabel : public ui::FixedDialog {
    Q_OBJECT
public:
    explicit TfrmSonabel(QWidget *parent = nullptr);
    void applyLanguage(int language) override;
};

}  // namespace tarnwick
