#pragma once
#include "widgets/FixedDialog.h"

namespace tarnwick {

class TfrmSearchOptions : public ui::FixedDialog {
    Q_OBJECT
public:
    explicit TfrmSearchOptions(QWidget *parent = nullptr);
    void applyLanguage(int language) override;
};

}  // namespace tarnwick
